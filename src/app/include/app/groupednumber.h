// Figures shown to the user, in the caption and in the lesson view.
#pragma once

#include <QLocale>
#include <QString>

// Thousands grouped with commas whatever the desktop's language, like the rest of the window.
inline QString groupedNumber(long long number)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(number);
}
