// Made SpanishWeights.inc once, from the case folding and canonical
// decompositions of Qt 6.4.2: the weights of the UTF-16 codes whose weight is
// not twice their code. The build never runs it: the table in the source is
// the order of the files, whatever Qt the build machine has. Run on the same
// Qt it writes that table again, byte for byte.
//
//   make_spanish_weights <output file>
#include "SpanishWeight.h"

#include <QChar>
#include <QString>
#include <QtGlobal>
#include <cstdio>

using jet::detail::SpanishWeight;

namespace {

SpanishWeight ComputeWeight(char32_t code)
{
    if (code >= 'A' && code <= 'Z')
        return {(code + ('a' - 'A')) * 2, 0};
    if (code < 0x80)
        return {code * 2, 0};
    if (code == 0xF1 || code == 0xD1)  // ñ Ñ
        return {char32_t('n') * 2 + 1, 0};
    const QChar folded = QChar(char16_t(code)).toCaseFolded();
    const QString decomposed = QString(folded).normalized(QString::NormalizationForm_D);
    if (decomposed.size() > 1 && decomposed[0].unicode() < 0x80)
        return {ComputeWeight(decomposed[0].unicode()).primary, decomposed[1].unicode()};
    return {char32_t(folded.unicode()) * 2, 0};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out,
                 "// The weights of the Spanish order of texts (collation ES): every UTF-16\n"
                 "// code whose weight is not twice its code, in code order, as\n"
                 "// {code, {primary, accent}}. Made once by make_spanish_weights from the\n"
                 "// Unicode data of Qt %s and kept as it is: the indexes on text of every\n"
                 "// station's files are ordered by these weights, and a changed line would\n"
                 "// make them disagree with their tables.\n",
                 qVersion());
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const SpanishWeight weight = ComputeWeight(code);
        if (weight.primary != code * 2 || weight.accent != 0)
            std::fprintf(out, "{0x%X, {0x%X, 0x%X}},\n", unsigned(code), unsigned(weight.primary),
                         unsigned(weight.accent));
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
