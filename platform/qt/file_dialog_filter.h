#pragma once

#include <QStringList>

namespace selvio {

// Turns a filter written as description and patterns separated by bars
// ("Параметры выбора регулятора (*.crp)|*.crp||") into Qt's name filters
// ("Параметры выбора регулятора (*.crp)"). A description without its patterns in brackets gets
// them appended; patterns separated by ';' are listed with spaces.
QStringList QtNameFilters(const QString& filter);

}  // namespace selvio
