#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/CTarvixDoc.h"
#include "model/KBaseLineProfile.h"
#include "model/KGPSProfile.h"
#include "profileview/CTarvixView.h"
#include "profileview/ProfileAlignment.h"
#include "document/HeadlessDocumentHost.h"
#include "support/RecordingCanvas.h"
#include "support/SurveyBuilder.h"
#include "support/TempDir.h"
#include "support/TestApp.h"

namespace tarvix::testing {

// Sample values whose palette entry tells the trace: trace t maps to entry 33 + t % 16 at gain 1,
// on every sample; sample 0 (no trace) maps to entry 32.
inline std::int32_t TraceTone(int trace, int) { return 1024 * (trace % 16 + 1); }
// The grey ramp's colour of a palette entry.
constexpr Colour GreyEntry(int entry) { return static_cast<Colour>(entry) * 0x040404u; }

// A document with a profile view over profiles written into a temporary folder, one set per
// baseline, 16-bit data unless asked otherwise.
struct ViewFixture {
  ViewFixture() { app.context.is32BitData = false; }

  // A baseline profile of `traces` × `samples` in `set`; forward (trace 0 left) unless reversed.
  KBaseLineProfile& AddBaseline(std::size_t set, const std::string& name, int samples, int traces,
                                double xLength = 0, bool forward = true,
                                SurveyBuilder::SampleFunction f = SurveyBuilder::Pattern) {
    survey.Header(name, {"SAMPLES:" + std::to_string(samples), "LAST TRACE:" + std::to_string(traces),
                         "FREQUENCY STEPS:1", "SYSTEM CALIBRATION:0.0001", "DISTANCE FLAG:1",
                         "DISTANCE INTERVAL:0.05", "ANTENNAS:500 MHz shielded"});
    if (app.context.is32BitData)
      survey.Data32(name, samples, traces, f);
    else
      survey.Data16(name, samples, traces, f);
    while (doc.project.sets.size() <= set) doc.project.sets.push_back(std::make_unique<KRadarProfileSet>());
    auto& profiles = doc.project.sets[set]->profiles;
    const double order = static_cast<double>(profiles.size());  // keeps the order of adding
    EXPECT_TRUE(doc.project.sets[set]->AddBaseLineProfile(survey.BasePath(name), {}, {}, xLength,
                                                          forward ? 270.0 : 90.0, order));
    return static_cast<KBaseLineProfile&>(*profiles.back());
  }

  // A GPS profile without files: enough for alignment and layout.
  KGPSProfile& AddGps(std::size_t set, int traces, int samples = 8) {
    while (doc.project.sets.size() <= set) doc.project.sets.push_back(std::make_unique<KRadarProfileSet>());
    auto profile = std::make_unique<KGPSProfile>();
    profile->header.lastTrace = traces;
    profile->header.samples = samples;
    auto& added = *profile;
    doc.project.sets[set]->profiles.push_back(std::move(profile));
    return added;
  }

  void AddMarker(KRadarProfile& profile, int trace, int sample, int type, const std::string& comment = "") {
    KMarker marker;
    marker.trace = trace;
    marker.sample = sample;
    marker.type = static_cast<std::int16_t>(type);
    marker.comment = comment;
    profile.markers.items.push_back(marker);
  }

  // Aligns the project, sizes the client area and runs the view's first update.
  void Show(int clientWidth, int clientHeight) {
    ASSERT_TRUE(ComputeAlignment(doc.state, doc.project, 0));
    host.list.MarkersChanged(0, &doc);
    view.OnSize(clientWidth, clientHeight);
    view.OnInitialUpdate();
  }

  RecordingCanvas Paint() {
    RecordingCanvas canvas;
    view.OnDraw(canvas);
    return canvas;
  }

  TestApp app;
  TempDir dir;
  SurveyBuilder survey{dir.Path().string()};
  HeadlessDocumentHost host;
  CTarvixDoc doc{host};
  CTarvixView view{doc, host.list};
};

}  // namespace tarvix::testing
