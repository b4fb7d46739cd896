#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/CTarvixDoc.h"
#include "document/RecordingViews.h"
#include "model/KBaseLineProfile.h"
#include "support/ProjectBuilder.h"
#include "support/ScopedCurrentDirectory.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix::testing {

// A document over a recorded host, with a folder of profiles a1, a2, b1 (6 traces of 4 samples)
// and the project "site" of two baselines over them.
struct DocumentFixture {
  DocumentFixture() {
    for (const char* name : {"a1", "a2", "b1"}) survey.Profile(name, 4, 6, true);
    sitePath = projects.BaselineProject("site", {{{"a1", 1}, {"a2", 2}}, {{"b1", 5}}});
  }

  void OpenSite() { ASSERT_TRUE(doc->OnOpenDocument(sitePath)); }

  KRadarProfile& Profile(std::size_t set, std::size_t profile) {
    return *doc->project.sets.at(set)->profiles.at(profile);
  }
  void AddMarker(std::size_t set, std::size_t profile, int trace, const std::string& comment = "") {
    KMarker marker;
    marker.trace = trace;
    marker.comment = comment;
    Profile(set, profile).markers.items.push_back(marker);
  }
  std::vector<std::string> Comments() {
    std::vector<std::string> comments;
    for (auto& set : doc->project.sets)
      for (auto& profile : set->profiles)
        for (auto& marker : profile->markers.items) comments.push_back(marker.comment);
    return comments;
  }

  TestApp app;
  ScopedCurrentDirectory currentDirectory;
  TempDir dir;
  std::string folder = dir.Path().string() + "/";
  SurveyBuilder survey{dir.Path().string()};
  ProjectBuilder projects{dir.Path().string()};
  std::string sitePath;
  RecordingHost host;
  std::unique_ptr<CTarvixDoc> doc = std::make_unique<CTarvixDoc>(host);
};

}  // namespace tarvix::testing
