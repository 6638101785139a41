#include "forms/MsgBox.h"

#include "forms/StandIn.h"
#include "jet/Transaction.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace forms {

namespace {

constexpr int buttonsMask = 0x0F;
constexpr int iconMask = 0x70;

QMessageBox::Icon IconOf(int style)
{
    switch (style & iconMask) {
    case 0: return QMessageBox::NoIcon;
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    }
    throw std::invalid_argument("MsgBox: unknown icon in style " + std::to_string(style));
}

}  // namespace

int MsgBox(const QString& Prompt, int Buttons)
{
    const int buttons = Buttons & buttonsMask;
    if (buttons != vbOKOnly && buttons != vbYesNo)
        throw std::invalid_argument("MsgBox: unknown buttons in style " + std::to_string(Buttons));
    const QMessageBox::Icon icon = IconOf(Buttons);
    // Nothing stays locked while the user reads.
    const jet::TransactionPause pause;
    if (detail::StandIn* standIn = detail::InstalledStandIn())
        return standIn->MsgBox(Prompt, Buttons);

    QMessageBox box(icon, QApplication::applicationName(), Prompt,
                    buttons == vbYesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    // Shown letter for letter, never read as markup.
    box.setTextFormat(Qt::PlainText);
    if (buttons == vbYesNo) {
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
        box.button(QMessageBox::No)->setText(QStringLiteral("No"));
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    }
    const int answer = box.exec();
    if (buttons == vbOKOnly)
        return vbOK;
    return answer == QMessageBox::Yes ? vbYes : vbNo;
}

}  // namespace forms
