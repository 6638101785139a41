#include "forms/Dispatch.h"

#include "forms/MsgBox.h"
#include "forms/StandIn.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace forms::detail {

QString ErrorText(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Error desconocido");
    }
}

void Untrapped(const QString& text)
{
    if (StandIn* standIn = InstalledStandIn()) {
        standIn->RecordError(text);
        return;
    }
    MsgBox(text, vbCritical);
    std::fflush(nullptr);
    // Ending at once, as an untrapped error does: no handler resumes.
    std::_Exit(1);
}

}  // namespace forms::detail
