#pragma once

#include <QDateTimeEdit>

#include <vector>

namespace forms {

// The widget of a DTPicker. Typing goes to one field at a time, as in a
// date-time picker: digits fill the field under the caret (the first field
// when the whole text is selected) and move on to the next field once the
// field can take no more; a separator ends a field early. The edit box
// underneath would otherwise take a digit only where the whole text still
// fits the display format, and drop it. A four-digit year shows its digits
// as they are typed and takes them when the fourth comes or the typing ends.
// F4 and Alt+Down drop the calendar down. Tab goes on to the next control,
// not to the next field: the arrow keys and separators move between fields.
class PickerEdit : public QDateTimeEdit {
public:
    explicit PickerEdit(QWidget* parent);

    // Drops the calendar down, when the picker has one.
    void OpenCalendar();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Field {
        Section section;
        int start;  // in the text shown
        int length;
        int digits;  // the most the field takes
    };

    std::vector<Field> Fields() const;
    int FieldAtCaret(const std::vector<Field>& fields) const;
    // The field under the caret takes the keys; digits typed into another are kept.
    int TypingField(const std::vector<Field>& fields);
    void TypeDigit(const std::vector<Field>& fields, QChar digit);
    void EndField(const std::vector<Field>& fields);
    void CommitTyped(const Field& field);
    void Apply(const Field& field, int value);
    void ShowTyped(const Field& field);
    void SelectField(const std::vector<Field>& fields);
    void StopTyping();

    int field_ = -1;  // the field taking digits; -1 between typing runs
    QString typed_;  // digits typed into it so far
    bool movedOn_ = false;  // the last digit filled a field and moved on
    int wantedDay_ = 0;  // the day to keep through shorter months
};

}  // namespace forms
