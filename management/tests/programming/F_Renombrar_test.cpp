#include "programming/F_Renombrar.h"

#include "forms/TestSeam.h"

#include <gtest/gtest.h>

namespace {

namespace ft = forms::test;

TEST(F_Renombrar, AceptarDoesNothingAndSalirCloses)
{
    ft::Seam seam;
    F_Renombrar& r = forms::Get<F_Renombrar>();
    EXPECT_EQ(r.Caption(), "Renombrar");
    EXPECT_EQ(r.Command1.Caption(), "Aceptar");
    ft::Type(r.Text1, "Nuevo nombre");
    ASSERT_TRUE(ft::Click(r.Command1));
    EXPECT_TRUE(r.Loaded());
    EXPECT_EQ(r.Text1.Text(), "Nuevo nombre");
    ASSERT_TRUE(ft::Click(r.Command2));
    EXPECT_FALSE(r.Loaded());
    EXPECT_TRUE(ft::Errors().empty());
}

}  // namespace
