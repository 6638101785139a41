#pragma once

#include <QWidget>

namespace forms {

class Form;

// The top-level window of a loaded form; hands closing and resizing to it.
class FormWindow : public QWidget {
public:
    explicit FormWindow(Form& form);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Form& form_;
};

}  // namespace forms
