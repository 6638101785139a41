// Literals for SQL text built by the forms: every text concatenated into a
// statement or criteria goes through SqlTexto, so an apostrophe ("L'Hospitalet")
// is stored and found intact.
//
//   db.Execute("DELETE * FROM PROGRAMACION WHERE PROGRAMACION=" + SqlTexto(nombre));
//   rs.FindFirst("HORA=" + SqlHora(T_hora->time()));          // HORA=#08:30:00#
//   db.Execute("UPDATE PUBLICIDAD SET PERIODO=" + SqlFecha(dia) + " WHERE ORDEN=7");
//                                                            // #03/25/07#
//   clientes.FindFirst("NUMERO=" + SqlNumero(numero));         // NUMERO=1000000000000000
#pragma once

#include "jet/Value.h"

#include <QDate>
#include <QString>
#include <QTime>

// 'text' with every ' doubled.
QString SqlTexto(const QString& texto);

// The digits of a finite number, never an exponent, with as many decimals as
// it takes to find that very number again: 1000000000000000, -2.5, 0.0000001.
QString SqlNumero(double numero);

// #hh:mm:ss# of a time of day (of a date/time value: its time of day).
QString SqlHora(const QTime& hora);
QString SqlHora(const jet::Value& hora);

// #MM/DD/YY# of a day (of a date/time value: its day).
QString SqlFecha(const QDate& fecha);
QString SqlFecha(const jet::Value& fecha);
