#include "CutTexts.h"
#include "EveryForm.h"

#include "support/StationFixture.h"

#include "forms/TestSeam.h"

#include <QFontInfo>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>

namespace ft = forms::test;

namespace {

class TextsFit : public StationFixture, public ::testing::WithParamInterface<FormEntry> {};

// No form is given a caption longer than its box, so nothing is excepted.
TEST_P(TextsFit, EveryCaptionHeadingLabelAndButtonTextFitsItsControlAtTheDesignSize)
{
    forms::Form& form = GetParam().get();
    // Shown, as a user sees it: grids get their headings when the form is first sized.
    form.Show();
    QWidget& window = *form.Surface();
    // Another font would be a fallback the design sizes were not checked with.
    EXPECT_EQ(QFontInfo(window.font()).family().toStdString(), "Liberation Sans");
    for (const QString& cut : CutTexts(window))
        ADD_FAILURE() << cut.toStdString();
    EXPECT_TRUE(ft::Errors().empty()) << ft::Errors().front().toStdString();
}

std::string FormName(const ::testing::TestParamInfo<FormEntry>& form)
{
    return form.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryForm, TextsFit, ::testing::ValuesIn(EveryForm()), FormName);

}  // namespace
