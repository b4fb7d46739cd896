#pragma once
#include <string>

namespace tarvix {

// The text header (".rad") of a radar data file.
class KHeaderInfo {
 public:
  virtual ~KHeaderInfo() = default;

  int lastTrace = 0;
  double gpsHeight = 0;
  int distanceFlag = 0;
  int timeFlag = 0;
  int programFlag = 0;
  int externalFlag = 0;
  std::string headerExt = ".rad";
  int samples = 0;
  int frequencySteps = 0;
  int rawSignalPosition = 0;
  double timeInterval = 0;
  double distanceInterval = 0;
  std::string operatorName;
  std::string customer;
  std::string site;
  std::string antennas;
  double antennaSeparation = 0;
  std::string comment;
  std::string units;
  std::string depthUnits;
  std::string lengthUnits;
  std::string material;
  int stacks = 0;
  double startPosition = 0;
  double stopPosition = 0;
  double systemCalibration = 0;
  int shortFlag = 0;
  int intermediateFlag = 0;
  int longFlag = 0;
  int fixedMovesUp = 0;
  int fixedMovesDown = 0;
  double fixedPosition = 0;
  double fixedIncrement = 0;
  double wheelCalibration = 0;
  int positiveDirection = 1;
  std::string headerPath;

  bool Read(const std::string& basePath);
  bool Write();
  bool CopyTo(const std::string& directory) const;

  int GetSamples() const { return samples; }
  // Sampling frequency in MHz; 0 when the sampling step is unknown.
  double GetFrequency() const;
  // Nanoseconds.
  double GetTimeWindow() const;
  double GetSignalPosition() const;
  double GetStackingTime() const;
  int GetStackExponent() const;
  double GetTraceInterval() const { return timeFlag != 0 ? timeInterval : distanceInterval; }
  // The nominal antenna frequency in MHz that starts the antennas text; 0 when there is none.
  double GetAntennaFrequency() const;
};

}  // namespace tarvix
