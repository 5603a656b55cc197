// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// The texts that code puts on the screen at run time, each under its label name. The
// resources form (THotSincingForm) shows them as label captions; code reads them here.
// Every text passes through the translator, so a loaded language module replaces them.
namespace Res {

struct Entry
{
    const char* name;
    const char* text; // English source text
};

// All labels in their listed order.
const QList<Entry>& Entries();

// The translated text of a label; an unknown name gives an empty string.
QString Text(const char* name);

// Fills %s, %d, %f, %.1f, %.2f placeholders in order, as the standard formatting routine
// does (%f without precision gives two decimals). Fewer arguments than placeholders
// leave the rest as they stand.
QString Format(const QString& pattern, const QVariantList& args);

// Text(name) formatted with args.
QString Text(const char* name, const QVariantList& args);

} // namespace Res
