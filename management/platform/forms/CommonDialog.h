#pragma once

#include "forms/Component.h"

#include <QString>

#include <stdexcept>

namespace forms {

// Thrown by ShowOpen when the user cancels and CancelError is set.
class DialogCancelled : public std::runtime_error {
public:
    DialogCancelled();
};

// The open-file dialog. Design state: no title, CancelError off, no file.
class CommonDialog : public Component {
public:
    explicit CommonDialog(Form& form);

    QString DialogTitle() const;
    void DialogTitle(const QString& title);
    bool CancelError() const;
    void CancelError(bool raise);
    // The full path of the chosen file; kept between uses while loaded.
    QString FileName() const;
    void FileName(const QString& path);

    // Lets the user choose one existing file. On cancel the file name stays
    // and, with CancelError, DialogCancelled is thrown.
    void ShowOpen();

private:
    void Create() override {}
    void Destroy() override;

    QString title_;
    bool cancelError_ = false;
    QString fileName_;
};

}  // namespace forms
