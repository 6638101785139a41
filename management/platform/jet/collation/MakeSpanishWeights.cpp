// Writes, for the build, the weights of the UTF-16 codes whose weight is not
// twice their code, from Qt's Unicode data (case folding and canonical
// decomposition): the collation then needs no Unicode library of its own,
// and the SQLite extension loads into any program without Qt.
//
//   MakeSpanishWeights <output file>
#include "SpanishWeight.h"

#include <QChar>
#include <QString>
#include <cstdio>

using jet::detail::SpanishWeight;

namespace {

SpanishWeight ComputeWeight(char32_t code)
{
    if (code >= 'A' && code <= 'Z')
        return {(code + ('a' - 'A')) * 2, 0};
    if (code < 0x80)
        return {code * 2, 0};
    if (code == 0xF1 || code == 0xD1)   // ñ Ñ
        return {char32_t('n') * 2 + 1, 0};
    const QChar folded = QChar(char16_t(code)).toCaseFolded();
    const QString decomposed = QString(folded).normalized(QString::NormalizationForm_D);
    if (decomposed.size() > 1 && decomposed[0].unicode() < 0x80)
        return {ComputeWeight(decomposed[0].unicode()).primary, decomposed[1].unicode()};
    return {char32_t(folded.unicode()) * 2, 0};
}

} // namespace

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
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const SpanishWeight weight = ComputeWeight(code);
        if (weight.primary != code * 2 || weight.accent != 0)
            std::fprintf(out, "{0x%X, {0x%X, 0x%X}},\n", unsigned(code), unsigned(weight.primary),
                         unsigned(weight.accent));
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
