#pragma once

#include "forms/Component.h"

#include <QString>

class QWidget;

namespace forms {

class Container;

// A visible control. Positions and sizes are in twips (15 per pixel).
// Reading or writing any member of a control of an unloaded form loads it.
class Control : public Component {
public:
    // The property as set, not whether the window is on screen: a control
    // that is not hidden reads Visible while its form is not shown yet.
    bool Visible() const;
    void Visible(bool visible);
    // The control's own property; a disabled frame also disables what it holds.
    bool Enabled() const;
    void Enabled(bool enabled);

    int Left() const;
    void Left(int twips);
    int Top() const;
    void Top(int twips);
    int Width() const;
    void Width(int twips);
    int Height() const;
    void Height(int twips);
    void Move(int left, int top, int width, int height);

    void SetFocus();

    QString Tag() const;
    void Tag(const QString& tag);

    // The live widget of the control (loads the form when needed).
    QWidget* Widget() const;

protected:
    explicit Control(Container& in);
    // Builds the widget at load, in design state, as a child of parent.
    virtual QWidget* CreateWidget(QWidget* parent) = 0;

private:
    friend class Label;
    // A control that shows no caption of its own takes, for screen readers,
    // the caption of the label just before it in tab order, in the same
    // container, as its name.
    virtual bool HasOwnCaption() const { return false; }

    void Create() final;
    void Destroy() final;

    Container& container_;
    QWidget* widget_ = nullptr;
};

}  // namespace forms
