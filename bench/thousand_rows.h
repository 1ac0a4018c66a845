#pragma once

#include <QByteArray>

namespace selvio {

// 1000 points of four kinds: water valves with an electric actuator and the cavitation check,
// water valves alone, differential-pressure regulators and steam valves, flows varying.
inline QByteArray ThousandRows() {
  QByteArray csv =
      "label,medium,product,p1,p2,t,drop,flow,flow_unit,k,use_k,setting,actuator,"
      "cavitation\n";
  for (int i = 0; i < 1000; ++i) {
    const QByteArray n = QByteArray::number(i);
    switch (i % 4) {
      case 0:
        csv += "p" + n + ",вода,клапан,6,4,90,0.3," + QByteArray::number(1 + i % 20) +
               ",м³/ч,1.2,1,,электро,1\n";
        break;
      case 1:
        csv += "p" + n + ",вода,клапан,6,3,70,0.5," + QByteArray::number(1 + i % 7) +
               ",м³/ч,,0,,нет,0\n";
        break;
      case 2:
        csv +=
            "p" + n + ",вода,РПД,8,4,90,0.5," + QByteArray::number(1 + i % 5) + ",м³/ч,,0,0.5,,0\n";
        break;
      default:
        csv += "p" + n + ",пар,клапан,5,,160,0.3,0." + QByteArray::number(1 + i % 5) +
               ",т/ч,,0,,нет,0\n";
        break;
    }
  }
  return csv;
}

}  // namespace selvio
