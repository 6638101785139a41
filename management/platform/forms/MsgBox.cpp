#include "forms/MsgBox.h"

#include "forms/SeamState.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace forms {

namespace {

constexpr int buttonsMask = 0x0F;
constexpr int iconMask = 0x70;
constexpr int okOnly = 0;
constexpr int yesNo = 4;

QMessageBox::Icon IconOf(int style)
{
    switch (style & iconMask) {
    case 0: return QMessageBox::NoIcon;
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    }
    throw std::invalid_argument("MsgBox: unknown icon in style " + std::to_string(style));
}

}  // namespace

int MsgBox(const QString& Prompt, int Buttons)
{
    const int buttons = Buttons & buttonsMask;
    if (buttons != okOnly && buttons != yesNo)
        throw std::invalid_argument("MsgBox: unknown buttons in style " + std::to_string(Buttons));
    const QMessageBox::Icon icon = IconOf(Buttons);
    if (detail::SeamActive())
        return detail::SeamMsgBox(Prompt, Buttons);

    QMessageBox box(icon, QApplication::applicationName(), Prompt,
                    buttons == yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    // Shown letter for letter, never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons == yesNo) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
        box.button(QMessageBox::No)->setText(QStringLiteral("No"));
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    }
    const int answer = box.exec();
    if (buttons == okOnly)
        return vbOK;
    return answer == QMessageBox::Yes ? vbYes : vbNo;
}

}  // namespace forms
