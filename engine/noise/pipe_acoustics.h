#pragma once

// What the pipe after a valve does to the valve's noise, common to the aerodynamic method of
// IEC 60534-8-3:2010 and the hydrodynamic one of IEC 60534-8-4:2015: the level a sound power makes
// inside the pipe, the pipe's ring frequency and the spreading from the pipe wall to 1 m. SI units.
namespace selvio::noise {

// The pipe after the valve.
struct PipeWall {
  double internalDiameter = 0;  // Di, m
  double wallThickness = 0;     // ts, m
  double density = 7800;        // ρs of steel, kg/m³
  double soundSpeed = 5000;     // cs, longitudinal speed of sound in steel, m/s
};

// The air around the pipe.
struct OutsideAir {
  double density = 1.2;      // ρa, kg/m³
  double soundSpeed = 343;   // ca, m/s
  double pressure = 101325;  // pa, Pa
};

// Sound pressure level inside the pipe at its wall from the sound power Wa (W) of a source in a
// fluid of density ρ (kg/m³) and speed of sound c (m/s): Lpi = 10·lg(3,2·10⁹·Wa·ρ·c / Di²), dB
// (IEC 60534-8-3 eq. (18) without its velocity term; IEC 60534-8-4 eq. (10)).
double InternalLevel(double soundPower, double density, double soundSpeed, double internalDiameter);

// Ring frequency of the pipe, fr = cs / (π·Di), Hz (IEC 60534-8-3 eq. (21); IEC 60534-8-4
// eq. (14)).
double RingFrequency(double pipeSoundSpeed, double internalDiameter);

// The spreading from the outer pipe wall to 1 m from it, −10·lg((Di + 2·ts + 2 m)/(Di + 2·ts)), dB
// (IEC 60534-8-3 eq. (24); IEC 60534-8-4 eq. (21)).
double OneMetreSpreading(double internalDiameter, double wallThickness);

}  // namespace selvio::noise
