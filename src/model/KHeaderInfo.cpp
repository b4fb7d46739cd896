#include "model/KHeaderInfo.h"

#include <cmath>
#include <cstdio>
#include <variant>

#include "model/FileCopy.h"
#include "model/SafeFileWriter.h"
#include "model/TextLines.h"

namespace tarvix {

namespace {

constexpr std::size_t kMaxLine = 254;

using FieldRef = std::variant<int KHeaderInfo::*, double KHeaderInfo::*, std::string KHeaderInfo::*>;

struct KeyedField {
  const char* key;
  FieldRef field;
};

// The keys the reader knows, in the order they are tried.
const KeyedField kReadKeys[] = {
    {"SAMPLES:", &KHeaderInfo::samples},
    {"FREQUENCY STEPS:", &KHeaderInfo::frequencySteps},
    {"RAW SIGNAL POSITION:", &KHeaderInfo::rawSignalPosition},
    {"DISTANCE FLAG:", &KHeaderInfo::distanceFlag},
    {"TIME FLAG:", &KHeaderInfo::timeFlag},
    {"PROGRAM FLAG:", &KHeaderInfo::programFlag},
    {"EXTERNAL FLAG:", &KHeaderInfo::externalFlag},
    {"TIME INTERVAL:", &KHeaderInfo::timeInterval},
    {"DISTANCE INTERVAL:", &KHeaderInfo::distanceInterval},
    {"OPERATOR:", &KHeaderInfo::operatorName},
    {"CUSTOMER:", &KHeaderInfo::customer},
    {"SITE:", &KHeaderInfo::site},
    {"ANTENNAS:", &KHeaderInfo::antennas},
    {"ANTENNA SEPARATION:", &KHeaderInfo::antennaSeparation},
    {"COMMENT:", &KHeaderInfo::comment},
    {"STACKS:", &KHeaderInfo::stacks},
    {"LAST TRACE:", &KHeaderInfo::lastTrace},
    {"STOP POSITION:", &KHeaderInfo::stopPosition},
    {"SYSTEM CALIBRATION:", &KHeaderInfo::systemCalibration},
    {"START POSITION:", &KHeaderInfo::startPosition},
    {"SHORT FLAG:", &KHeaderInfo::shortFlag},
    {"INTERMEDIATE FLAG:", &KHeaderInfo::intermediateFlag},
    {"LONG FLAG:", &KHeaderInfo::longFlag},
    {"FIXED INCREMENT:", &KHeaderInfo::fixedIncrement},
    {"FIXED MOVES UP:", &KHeaderInfo::fixedMovesUp},
    {"FIXED MOVES DOWN:", &KHeaderInfo::fixedMovesDown},
    {"FIXED POSITION:", &KHeaderInfo::fixedPosition},
    {"WHEEL CALIBRATION:", &KHeaderInfo::wheelCalibration},
    {"POSITIVE DIRECTION:", &KHeaderInfo::positiveDirection},
    {"TX_GPS_HEIGHT:", &KHeaderInfo::gpsHeight},
    {"UNITS:", &KHeaderInfo::units},
    {"DEPTH UNITS:", &KHeaderInfo::depthUnits},
    {"LENGTH UNITS:", &KHeaderInfo::lengthUnits},
    {"MATERIAL:", &KHeaderInfo::material},
};

void Assign(KHeaderInfo& header, const FieldRef& field, const std::string& value) {
  struct Visitor {
    KHeaderInfo& header;
    const std::string& value;
    void operator()(int KHeaderInfo::*member) const {
      if (auto number = ExtractInt(value)) header.*member = *number;
    }
    void operator()(double KHeaderInfo::*member) const {
      if (auto number = ExtractDouble(value)) header.*member = *number;
    }
    void operator()(std::string KHeaderInfo::*member) const { header.*member = value; }
  };
  std::visit(Visitor{header, value}, field);
}

std::string F3(double value) { return Format("%-13.3f", value); }
std::string Int(int value) { return std::to_string(value); }

}  // namespace

bool KHeaderInfo::Read(const std::string& basePath) {
  headerPath = basePath + headerExt;
  TextLineReader reader(headerPath);
  if (!reader.IsOpen()) return false;
  while (auto line = reader.ReadLine(kMaxLine)) {
    for (const auto& [key, field] : kReadKeys) {
      const std::string_view keyText(key);
      if (line->compare(0, keyText.size(), keyText) == 0) {
        Assign(*this, field, line->substr(keyText.size()));
        break;
      }
    }
  }
  return true;
}

bool KHeaderInfo::Write() {
  if (timeFlag != 0)
    stopPosition = lastTrace * timeInterval + startPosition;
  else if (distanceFlag != 0)
    stopPosition = lastTrace * distanceInterval + startPosition;

  SafeFileWriter out(headerPath);
  if (!out.IsOpen()) return false;
  auto line = [&](const char* key, const std::string& value) { out.WriteLine(key + value); };
  line("SAMPLES:", Int(samples));
  line("FREQUENCY:", F3(GetFrequency()));
  line("FREQUENCY STEPS:", Int(frequencySteps));
  line("SIGNAL POSITION:", F3(GetSignalPosition()));
  line("RAW SIGNAL POSITION:", Int(rawSignalPosition));
  line("DISTANCE FLAG:", Int(distanceFlag));
  line("TIME FLAG:", Int(timeFlag));
  line("PROGRAM FLAG:", Int(programFlag));
  line("EXTERNAL FLAG:", Int(externalFlag));
  line("TIME INTERVAL:", F3(timeInterval));
  line("DISTANCE INTERVAL:", F3(distanceInterval));
  line("OPERATOR:", operatorName);
  line("CUSTOMER:", customer);
  line("SITE:", site);
  line("ANTENNAS:", antennas);
  line("ANTENNA ORIENTATION:", "NOT VALID FIELD");
  line("ANTENNA SEPARATION:", F3(antennaSeparation));
  line("COMMENT:", comment);
  line("TIMEWINDOW:", F3(GetTimeWindow()));
  line("STACKS:", Int(stacks));
  line("STACK EXPONENT:", Int(GetStackExponent()));
  line("STACKING TIME:", F3(GetStackingTime()));
  line("LAST TRACE:", Int(lastTrace));
  line("STOP POSITION:", F3(stopPosition));
  line("SYSTEM CALIBRATION:", Format("%-13.10f", systemCalibration));
  line("START POSITION:", F3(startPosition));
  line("SHORT FLAG:", Int(shortFlag));
  line("INTERMEDIATE FLAG:", Int(intermediateFlag));
  line("LONG FLAG:", Int(longFlag));
  line("PREPROCESSING:", Int(0));
  line("HIGH:", Int(0));
  line("LOW:", Int(0));
  line("FIXED INCREMENT:", F3(fixedIncrement));
  line("FIXED MOVES UP:", Int(fixedMovesUp));
  line("FIXED MOVES DOWN:", Int(fixedMovesDown));
  line("FIXED POSITION:", F3(fixedPosition));
  line("WHEEL CALIBRATION:", F3(wheelCalibration));
  line("POSITIVE DIRECTION:", Int(positiveDirection));
  if (!units.empty()) line("UNITS:", units);
  if (!depthUnits.empty()) line("DEPTH UNITS:", depthUnits);
  if (!lengthUnits.empty()) line("LENGTH UNITS:", lengthUnits);
  if (!material.empty()) line("MATERIAL:", material);
  line("TX_GPS_HEIGHT:", F3(gpsHeight));
  return out.Commit();
}

bool KHeaderInfo::CopyTo(const std::string& directory) const { return CopyFileInto(headerPath, directory); }

double KHeaderInfo::GetFrequency() const {
  const double step = frequencySteps * systemCalibration;
  return step == 0 ? 0.0 : 1.0 / step;
}

double KHeaderInfo::GetTimeWindow() const { return systemCalibration * 1000.0 * frequencySteps * samples; }

double KHeaderInfo::GetSignalPosition() const {
  // The raw position is an offset from 32767 in 32-bit arithmetic; wrap as that arithmetic does.
  const auto offset = static_cast<int>(static_cast<unsigned>(rawSignalPosition) - 32767u);
  return -static_cast<double>(offset) * systemCalibration;
}

double KHeaderInfo::GetStackingTime() const {
  const auto product = static_cast<int>(static_cast<unsigned>(stacks) * static_cast<unsigned>(samples));
  return product / 100000.0;
}

int KHeaderInfo::GetStackExponent() const {
  const double exponent = std::log(stacks + 0.5) / std::log(2.0);
  // A negative stack count has no logarithm; report it as no stacking at all.
  return std::isfinite(exponent) ? static_cast<int>(exponent) : -1;
}

double KHeaderInfo::GetAntennaFrequency() const {
  double frequency = 0;
  if (std::sscanf(antennas.c_str(), "%lf", &frequency) != 1) return 0;
  return frequency;
}

}  // namespace tarvix
