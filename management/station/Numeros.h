// Numbers read from the text of boxes, captions and grid cells: a point is the
// decimal mark and blanks around the number do not count. "nan" and "inf" are
// no numbers here: no advertiser, contract or song can have them.
//
//   const std::optional<double> numero = Numero(T_Codigo.Text());   // "12.5": 12.5
//   const std::optional<int> codigo = Entero(T_Codigo.Text());      // "12.5": none
#pragma once

#include <QString>

#include <optional>

// The finite number a text holds; nothing for "", "1'", "nan" or "1e400".
std::optional<double> Numero(const QString& texto);

// The whole number a text holds, from -2147483647 to 2147483647 (so that its
// absolute value is one too); nothing for a fraction or a text that is none.
std::optional<int> Entero(const QString& texto);
