#pragma once

#include <QString>

// The parts of the program kept in libraries of their own and loaded when
// first used: music through Qt Multimedia, printing through Qt Print Support,
// the journal's charts through Qt Charts.
// A program that never plays or prints never loads them, nor the many
// libraries behind them, and starts that much sooner. They lie in
// lib/quillmoor/plugins beside the program's bin folder, installed or built.
namespace Plugins {

// The folder the plugins are looked for in.
QString folder();

// The address of `symbol` in the plugin `name` (its file name without
// folder), loading the plugin first; null, with the reason in `error`, when
// the plugin is missing or damaged. A plugin once loaded stays loaded.
void *address(const QString &name, const char *symbol, QString *error);

// The function `symbol` of the plugin `name`, of the type `Function` the
// plugin's header names; null as `address` is.
template <typename Function>
Function resolve(const QString &name, const char *symbol, QString *error)
{
    return reinterpret_cast<Function>(address(name, symbol, error));
}

} // namespace Plugins
