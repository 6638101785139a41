# widl takes no help strings on enumeration constants: writes a copy of the IDL without
# them (they are added to the built type library afterwards).
file(READ "${INPUT}" idl)
string(REGEX REPLACE "\\[helpstring\\(\"[^\"]*\"\\)\\] *([A-Za-z_][A-Za-z0-9_]* *=)" "\\1" idl "${idl}")
file(WRITE "${OUTPUT}" "${idl}")
