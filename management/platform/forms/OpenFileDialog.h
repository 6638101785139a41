#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace forms::detail {

// Qt's own open-file dialog over owner, in Spanish like the rest; returns
// the chosen file's full path, or nothing for a cancel.
std::optional<QString> AskFileToOpen(QWidget* owner, const QString& title, const QString& folder);

}  // namespace forms::detail
