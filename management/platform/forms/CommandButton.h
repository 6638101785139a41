#pragma once

#include "forms/Control.h"

#include <functional>

namespace forms {

class CommandButton : public Control {
public:
    explicit CommandButton(Container& in);

    QString Caption() const;
    void Caption(const QString& caption);
    // A picture shown on the button, e.g. ":/music/play.png".
    void Picture(const QString& resource);

    std::function<void()> OnClick;

private:
    QWidget* CreateWidget(QWidget* parent) override;
    bool HasOwnCaption() const override { return true; }
};

}  // namespace forms
