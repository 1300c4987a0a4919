#pragma once

#include <QtGlobal>

// A new gauge's values, which are also the defaults of the saved form data: a property
// equal to its default is not saved.
namespace vendrel::gradomat_defaults {

inline constexpr qint32 kBackColor = 0;
inline constexpr qint32 kForeColor = 255;
inline constexpr qint32 kSecForeColor = 65535;
inline constexpr qint32 kTextColor = 16777215;
inline constexpr qint16 kValue = 0;
inline constexpr qint16 kMax = 32767;
inline constexpr qint16 kMin = 0;

}  // namespace vendrel::gradomat_defaults
