// jet::Value: one field value as the engine hands it out and takes it in:
// Null, a whole number, a floating-point number, a text or a date/time.
//
//   jet::Value v = rs.Fields("TIEMPO").Value();
//   double s = v.toDouble();            // Null and "" read as 0
//   QString shown = v.toString();       // what a grid cell shows
//   rs.Fields("HORA") = QString("08:30:00");   // converted by the column
//
// Date/times count seconds from the day zero 1899-12-30 00:00:00; a time of
// day is a date/time on day zero. toString() shows a time of day as
// "hh:mm:ss", a day as "dd/MM/yyyy", and both when both are set; toTimeText()
// gives "hh:mm:ss" of any date/time. Text read as a date is day first
// ("25/03/07" is 25 March 2007); a two-digit year falls within 80 years
// before and 20 after this one. Write a time of day as a QTime or its
// "hh:mm:ss" text: a QDateTime keeps its day, and HORA=#08:30:00# finds only
// times on day zero.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace jet {

class Value {
public:
    enum class Kind { Null, Integer, Double, Text, DateTime };

    Value() = default;
    Value(int number) : kind_(Kind::Integer), integer_(number) {}
    Value(long number) : kind_(Kind::Integer), integer_(number) {}
    Value(long long number) : kind_(Kind::Integer), integer_(number) {}
    Value(unsigned number) : kind_(Kind::Integer), integer_(number) {}
    Value(unsigned long number) : kind_(Kind::Integer), integer_(static_cast<long long>(number)) {}
    Value(unsigned long long number) : kind_(Kind::Integer), integer_(static_cast<long long>(number)) {}
    Value(double number) : kind_(Kind::Double), double_(number) {}
    Value(const QString& text) : kind_(Kind::Text), text_(text) {}
    Value(const char* utf8) : kind_(Kind::Text), text_(QString::fromUtf8(utf8)) {}
    Value(const QDateTime& moment);
    Value(const QDate& day);
    Value(const QTime& timeOfDay);

    static Value Null() { return Value(); }
    static Value FromSecondsSinceDayZero(long long seconds);
    // Text as a date/time column would store it: "08:30:00", "25/03/07",
    // "25/03/2007 08:30:00", "2007-03-25 08:30:00". Null for text that is no date.
    static Value ParseDateTime(const QString& text);

    Kind kind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    bool IsNumber() const { return kind_ == Kind::Integer || kind_ == Kind::Double; }

    QString toString() const;
    double toDouble() const;  // throws jet::Error for text that is no number
    int toInt() const;  // rounds half to even, like toDouble then CInt
    long long toLongLong() const;
    QDateTime toDateTime() const;  // throws jet::Error for text that is no date
    QDate toDate() const;
    QTime toTime() const;
    QString toTimeText() const;  // "hh:mm:ss"
    long long SecondsSinceDayZero() const;

    // Same kind and same content; Integer 2 equals Double 2.0.
    bool operator==(const Value& other) const;

private:
    Kind kind_ = Kind::Null;
    union {
        long long integer_ = 0;
        double double_;
        long long seconds_;
    };
    QString text_;
};

}  // namespace jet
