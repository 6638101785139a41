// Numbers typed into boxes: what counts as a number, and as a whole number.
#include "station/Numeros.h"

#include <gtest/gtest.h>

#include <optional>

TEST(Numeros, TextsReadAsANumberAndAsAWholeNumber)
{
    struct Caso {
        const char* texto;
        std::optional<double> numero;
        std::optional<int> entero;
    };
    const Caso casos[] = {
        {"12", 12, 12},
        {" 12 ", 12, 12},
        {"005", 5, 5},
        {"+5", 5, 5},
        {"-12", -12, -12},
        {"12.0", 12, 12},
        {"12.5", 12.5, std::nullopt},
        {".5", 0.5, std::nullopt},
        {"1e3", 1000, 1000},
        {"1000000000000000", 1e15, std::nullopt},  // a number, but no whole number the database keeps
        {"2147483647", 2147483647, 2147483647},
        {"-2147483647", -2147483647, -2147483647},
        {"2147483648", 2147483648.0, std::nullopt},
        {"-2147483648", -2147483648.0, std::nullopt},  // its absolute value would not fit
        {"1e400", std::nullopt, std::nullopt},
        {"nan", std::nullopt, std::nullopt},
        {"inf", std::nullopt, std::nullopt},
        {"-inf", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"   ", std::nullopt, std::nullopt},
        {"1'", std::nullopt, std::nullopt},
        {"3 OR 1=1", std::nullopt, std::nullopt},
        {"1,5", std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.texto);
        EXPECT_EQ(Numero(QString::fromUtf8(caso.texto)), caso.numero);
        EXPECT_EQ(Entero(QString::fromUtf8(caso.texto)), caso.entero);
    }
}
