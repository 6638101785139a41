// jet::Field: one column of the current row of a Recordset, by name or index.
//
//   QString nombre = rs.Fields("NOMBRE").Value().toString();
//   rs.Edit();
//   rs.Fields("TIEMPO") = 90;            // or .SetValue(90)
//   rs.Update();
//
// A Field is a light handle; it reads and writes through its Recordset, so it
// must not outlive it. Reading gives the pending value during Edit/AddNew.
#pragma once

#include "jet/Value.h"

namespace jet {

class Recordset;

class Field {
public:
    QString Name() const;
    jet::Value Value() const;
    void SetValue(const jet::Value& value);
    Field& operator=(const jet::Value& value)
    {
        SetValue(value);
        return *this;
    }
    // rs.Fields("A") = other.Fields("B") copies the value, not the handle.
    Field(const Field&) = default;
    Field& operator=(const Field& other) { return *this = other.Value(); }

private:
    friend class Recordset;
    Field(Recordset& recordset, int index) : recordset_(&recordset), index_(index) {}

    Recordset* recordset_;
    int index_;
};

}  // namespace jet
