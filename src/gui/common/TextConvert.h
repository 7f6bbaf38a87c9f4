#pragma once

#include "core/model/Cp1252.h"

#include <string>

#include <QString>

// Entry texts are Windows-1252 in the core; Qt speaks Unicode. These are the only crossings.
inline QString toQt(const std::string& cp1252) {
    return QString::fromStdString(Cp1252::toUtf8(cp1252));
}

inline std::string fromQt(const QString& text) {
    return Cp1252::fromUtf8(text.toStdString());
}
