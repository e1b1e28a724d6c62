#pragma once

// Simulation objects through which point entries hand out scene points.
class CSim {
public:
  virtual ~CSim() = default;
  int m_nValue = 0;
};

class CSimPoint : public CSim {
public:
  CSimPoint() = default;
  CSimPoint(double xValue, double yValue, double zValue) : x(xValue), y(yValue), z(zValue) {}
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// Declared for the simulation; nothing creates it yet.
class CSimSensor : public CSim {};
