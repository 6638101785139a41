#include "forms/UserAction.h"

#include "forms/Dispatch.h"
#include "forms/MsgBox.h"
#include "forms/StandIn.h"

namespace forms::detail {

namespace {

void ShowDatabaseError(const QString& text, bool partWritten)
{
    const QString shown =
        text + QStringLiteral("\n\n")
        + (partWritten ? QStringLiteral("No se ha guardado lo que esta operación escribió después del último aviso.")
                       : QStringLiteral("No se ha guardado nada de esta operación."));
    if (StandIn* standIn = InstalledStandIn())
        standIn->RecordError(shown);
    MsgBox(shown, vbCritical);
}

}  // namespace

UserAction::UserAction() : outermost_(!jet::Transaction::Open())
{
    transaction_.emplace();
}

void UserAction::Finish()
{
    transaction_->Commit();
}

void UserAction::Fail(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const jet::Error& databaseError) {
        if (!outermost_) {
            jet::Transaction::Spoil(databaseError);
            transaction_.reset();
            return;
        }
        const bool partWritten = transaction_->PartWritten();
        // Undone before the message: nothing stays locked while the user reads it.
        transaction_.reset();
        ShowDatabaseError(databaseError.Text(), partWritten);
        return;
    } catch (...) {
    }
    transaction_.reset();
    Untrapped(ErrorText(error));
}

}  // namespace forms::detail
