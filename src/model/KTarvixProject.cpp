#include "model/KTarvixProject.h"

#include "app/AppContext.h"
#include "app/TextHelpers.h"
#include "filters/FiltersFilePath.h"
#include "filters/ScopedFilterList.h"
#include "model/FileCopy.h"
#include "model/KBaseLineProfile.h"
#include "model/ProjectFileReader.h"
#include "model/SafeFileWriter.h"
#include "model/TextLines.h"
#include "platform/UserInterface.h"

namespace tarvix {

namespace {

void ShowError(const std::string& text) {
  App().ui.ShowMessage({text, "Error", MessageIcon::Error, MessageButtons::Ok});
}

void ShowWarning(const std::string& text) {
  App().ui.ShowMessage({text, "Warning", MessageIcon::Warning, MessageButtons::Ok});
}

std::string CurrentDataExtension() { return App().is32BitData ? ".rd7" : ".rd3"; }

std::string F3(double value) { return Format("%-13.3f", value); }

// The name a profile is listed under: its data file's name without folder and extension.
std::string ProfileName(const KRadarProfile& profile) {
  return FileNameOfPath(WithoutExtension(profile.GetDataPath()));
}

// Reads baselines and their profiles; stops at the first profile that does not load and
// then returns false.
bool ReadBaselineSets(ProjectFileReader& in, const std::string& directory, KTarvixProject& project) {
  const int baselines = in.KeyedInt(20).value_or(0);  // "NUMBER_OF_BASELINES:"
  for (int i = 0; i < baselines && !in.AtEnd(); ++i) {
    in.SkipLine();  // "BASELINE:"
    const point3D start{in.KeyedDouble(8).value_or(0), in.KeyedDouble(8).value_or(0), 0};
    const point3D stop{in.KeyedDouble(7).value_or(0), in.KeyedDouble(7).value_or(0), 0};
    const int profiles = in.KeyedInt(19).value_or(0);  // "NUMBER_OF_PROFILES:"
    project.sets.push_back(std::make_unique<KRadarProfileSet>());
    KRadarProfileSet& set = *project.sets.back();
    for (int j = 0; j < profiles && !in.AtEnd(); ++j) {
      const std::string name = in.NameLine();
      const double xLength = in.KeyedDouble(9).value_or(0);
      const double xAngle = in.KeyedDouble(8).value_or(0);
      const double xDist2Base = in.KeyedDouble(12).value_or(0);
      if (!set.AddBaseLineProfile(directory + name, start, stop, xLength, xAngle, xDist2Base)) {
        ShowError("Tarvix cannot open datafile " + directory + name + CurrentDataExtension());
        return false;
      }
    }
  }
  return true;
}

// Reads the GPS profiles; false when one of them has no coordinate file.
bool ReadGpsSet(ProjectFileReader& in, const std::string& directory, KTarvixProject& project) {
  const int profiles = in.KeyedInt(19).value_or(0);  // "NUMBER_OF_PROFILES:"
  project.sets.push_back(std::make_unique<KRadarProfileSet>());
  KRadarProfileSet& set = *project.sets.back();
  for (int j = 0; j < profiles && !in.AtEnd(); ++j) {
    const std::string name = in.NameLine();
    switch (set.AddGPSProfile(directory + name)) {
      case 1:
        ShowError("Error opening file " + directory + name + CurrentDataExtension());
        break;
      case 2:
        ShowError("Can not find file with coordinates for " + directory + name + CurrentDataExtension());
        return false;
      default:
        break;
    }
  }
  return true;
}

}  // namespace

bool KTarvixProject::Read(const std::string& path) {
  const std::string directory = DirectoryOfPath(path);
  basePath = WithoutExtension(path);
  ProjectFileReader in(path);
  if (!in.IsOpen()) return false;
  sets.clear();
  version = in.KeyedInt(8).value_or(0);  // "VERSION:"
  if (version == 1) {
    // A profile that does not load ends the reading: the project keeps what was read so far.
    if (ReadBaselineSets(in, directory, *this)) LoadFilters();
    return true;
  }
  if (version == 2) {
    if (!ReadGpsSet(in, directory, *this)) return false;
    LoadFilters();
    return true;
  }
  LoadFilters();
  return false;
}

bool KTarvixProject::Write() const {
  bool ok = true;
  SafeFileWriter out(basePath + ".tvx");
  auto line = [&out](const std::string& text) { out.WriteLine(text); };
  line("VERSION:" + std::to_string(version));
  if (version == 1) {
    line("NUMBER_OF_BASELINES:" + std::to_string(sets.size()));
    for (std::size_t i = 0; i < sets.size(); ++i) {
      const auto& profiles = sets[i]->profiles;
      // A set without profiles keeps its place in the file with end points (0, 0).
      point3D start;
      point3D stop;
      if (!profiles.empty()) {
        const auto& first = static_cast<const KBaseLineProfile&>(*profiles.front());
        start = first.baselineStart;
        stop = first.baselineStop;
      }
      line("BASELINE:" + std::to_string(i + 1));
      line("START_X:" + F3(start.x));
      line("START_Y " + F3(start.y));
      line("STOP_X:" + F3(stop.x));
      line("STOP_Y:" + F3(stop.y));
      line("NUMBER_OF_PROFILES:" + std::to_string(profiles.size()));
      for (const auto& profile : profiles) {
        const auto& baseline = static_cast<const KBaseLineProfile&>(*profile);
        line(ProfileName(*profile));
        line("X_LENGTH:" + F3(baseline.xLength));
        line("X_ANGLE:" + F3(baseline.xAngle));
        line("X_DIST2BASE:" + F3(baseline.xDist2Base));
        ok = profile->markers.Write() && ok;
      }
      SaveFilters(profiles.empty() ? nullptr : profiles.back().get());
    }
  } else if (version == 2 && !sets.empty() && !sets[0]->profiles.empty()) {
    const auto& profiles = sets[0]->profiles;
    line("NUMBER_OF_PROFILES:" + std::to_string(profiles.size()));
    for (const auto& profile : profiles) {
      line(ProfileName(*profile));
      ok = profile->markers.Write() && ok;
    }
    SaveFilters(profiles.back().get());
  }
  return out.Commit() && ok;
}

bool KTarvixProject::WriteTo(const std::string& otherBasePath) {
  const std::string own = basePath;
  basePath = otherBasePath;
  const bool ok = Write();
  basePath = own;
  return ok;
}

void KTarvixProject::Merge(const KTarvixProject& other) {
  if (other.version != version) {
    ShowWarning("It is not possible to merge project files with different version numbers");
    return;
  }
  if (version != 1) return;
  const std::string directory = DirectoryOfPath(basePath);
  for (const auto& otherSet : other.sets) {
    sets.push_back(std::make_unique<KRadarProfileSet>());
    KRadarProfileSet& set = *sets.back();
    for (const auto& profile : otherSet->profiles) {
      const auto& baseline = static_cast<const KBaseLineProfile&>(*profile);
      if (DirectoryOfPath(profile->GetDataPath()) != directory && !profile->CopyTo(directory)) {
        ShowWarning("Cannot copy *.RD3 or *.RAD file.");
        continue;
      }
      set.AddBaseLineProfile(directory + ProfileName(*profile), baseline.baselineStart, baseline.baselineStop,
                             baseline.xLength, baseline.xAngle, baseline.xDist2Base);
    }
  }
}

void KTarvixProject::RemoveSet(int index) {
  if (index < 0 || index >= static_cast<int>(sets.size())) return;
  sets.erase(sets.begin() + index);
}

void KTarvixProject::LoadFilters() const {
  if (!sets.empty() && !sets.front()->profiles.empty()) FilterList().Load(FiltersFilePath());
}

void KTarvixProject::SaveFilters(const KRadarProfile* profile) const {
  CFilterList& list = FilterList();
  if (profile && (list.filterCount > 0 || list.edited)) list.Save(FiltersFilePath());
}

}  // namespace tarvix
