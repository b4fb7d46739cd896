#include "app/CTarvixApp.h"

#include "app/AppContext.h"
#include "app/AppWindows.h"
#include "app/CMyPropertySheet.h"
#include "app/PaletteEditor.h"
#include "app/RecentFileStore.h"
#include "document/CTarvixDoc.h"
#include "platform/UserInterface.h"

namespace tarvix {

namespace {

constexpr const char* kProjectFilter = "Tarvix project files (*.tvx)|*.tvx|All files (*.*)|*.*||";
constexpr const char* kProjectWillClose = "Current project will be closed!";

// A run without a window system: nothing to create, tile or retitle.
class NoWindows : public AppWindows {
 public:
  MapFrame* CreateMapFrame(CTarvixDoc&) override { return nullptr; }
  void TileWindows() override {}
  void RefreshTitle() override {}
  void OpenDocumentWindows(CTarvixDoc&) override {}
  void CloseDocumentWindows(CTarvixDoc&) override {}
};

NoWindows noWindows;

MessageAnswer Warn(const std::string& text, MessageIcon icon, MessageButtons buttons) {
  return App().ui.ShowMessage({text, "Warning", icon, buttons});
}

void FillSheet(CMyPropertySheet& sheet, const CTarvixDoc* document) {
  const auto& s = App().settings;
  auto& gpr = sheet.profiles;
  gpr.maxProfile = s.MaxProfile;
  gpr.zeroLevel = s.ZeroLevel;
  gpr.velocity = s.Velocity;
  gpr.vertScale = s.VertScale;
  gpr.profOrder = s.ProfOrder;
  gpr.profSize = s.ProfSize;
  gpr.gpsHeight = 0;
  auto& general = sheet.general;
  general.units = s.Units;
  general.titleFlag = s.TitleFlag;
  general.titleText = s.TitleText;
  general.orientation = s.Orientation;
  general.coordOrder = s.CoordOrder;
  general.orientationAllowed = !document || !document->project.IsGPSProject();
  for (std::size_t i = 0; i < sheet.markers.names.size(); ++i) sheet.markers.names[i] = s.markerTypeNames[i];
  if (!document) return;
  // The headers share one antenna height; the last profile's stands for all.
  for (const auto& set : document->project.sets)
    for (const auto& profile : set->profiles) gpr.gpsHeight = profile->header.gpsHeight;
}

}  // namespace

CTarvixApp::CTarvixApp(AppWindows* windows, PaletteEditor* paletteEditor, RecentFileStore* recentFileStore)
    : windows_(windows), paletteEditor_(paletteEditor), recentFileStore_(recentFileStore) {}

CTarvixApp::~CTarvixApp() = default;

AppWindows& CTarvixApp::Shell() const { return windows_ ? *windows_ : noWindows; }

void CTarvixApp::InitInstance() {
  if (recentFileStore_) recentFiles_.Load(*recentFileStore_);
  App().CaptureStartupDirectory();
  App().LoadSettings();
}

void CTarvixApp::ExitInstance() {
  App().SaveSettings();
  if (recentFileStore_) recentFiles_.Save(*recentFileStore_);
}

void CTarvixApp::Adopt(std::unique_ptr<CTarvixDoc> document) {
  document_ = std::move(document);
  Shell().OpenDocumentWindows(*document_);
}

void CTarvixApp::CloseDocument() {
  if (!document_) return;
  document_->OnCloseDocument();
  Shell().CloseDocumentWindows(*document_);
  document_.reset();
}

void CTarvixApp::OnFileNew() {
  if (document_) {
    Warn(kProjectWillClose, MessageIcon::Warning, MessageButtons::Ok);
    CloseDocument();
  }
  auto document = std::make_unique<CTarvixDoc>(*this);
  if (document->OnNewDocument()) Adopt(std::move(document));
}

void CTarvixApp::OnFileOpen() {
  FileDialogRequest request;
  request.filter = kProjectFilter;
  request.overwritePrompt = true;
  if (document_) {
    if (Warn(kProjectWillClose, MessageIcon::Warning, MessageButtons::OkCancel) != MessageAnswer::Ok) return;
    CloseDocument();
  }
  const auto path = App().ui.AskOpenFile(request);
  if (path) OpenDocumentFile(*path);
}

bool CTarvixApp::OpenDocumentFile(const std::string& path) {
  if (document_) return false;
  auto document = std::make_unique<CTarvixDoc>(*this);
  if (!document->OnOpenDocument(path)) return false;
  document->SetPathName(path, true);
  Adopt(std::move(document));
  return true;
}

void CTarvixApp::OnOpenRecentFile(std::size_t index) {
  if (document_ || index >= recentFiles_.Entries().size()) return;
  // A file that no longer opens leaves the list.
  if (!OpenDocumentFile(recentFiles_.Entries()[index])) recentFiles_.Remove(index);
}

void CTarvixApp::OnOptions() {
  CMyPropertySheet sheet;
  FillSheet(sheet, document_.get());
  sheet.Open();
  if (!App().ui.RunModal(sheet)) {
    sheet.OnCancel();
    return;
  }
  auto& context = App();
  auto& s = context.settings;
  const auto& gpr = sheet.profiles;
  s.MaxProfile = gpr.maxProfile;
  s.ZeroLevel = gpr.zeroLevel;
  s.Velocity = gpr.velocity;
  s.VertScale = gpr.vertScale;
  s.ProfOrder = gpr.profOrder;
  const bool sizeChanged = gpr.profSize != s.ProfSize;
  if (sizeChanged) {
    s.ProfSize = gpr.profSize;
    context.ResetDataWidth();
  }
  const auto& general = sheet.general;
  s.Units = general.units;
  s.TitleFlag = general.titleFlag;
  s.TitleText = general.titleText;
  const bool orientationChanged = general.orientation != s.Orientation;
  s.Orientation = general.orientation;
  s.CoordOrder = general.coordOrder;
  if (document_)
    for (auto& set : document_->project.sets)
      for (auto& profile : set->profiles) {
        profile->header.gpsHeight = gpr.gpsHeight;
        profile->header.Write();
      }
  for (std::size_t i = 0; i < sheet.markers.names.size(); ++i) s.markerTypeNames[i] = sheet.markers.names[i];

  if (sizeChanged) {
    // Profiles are opened with one data width; a project cannot change it while open.
    if (document_) {
      Warn("File format was changed. Opened project will be closed!", MessageIcon::Error, MessageButtons::Ok);
      CloseDocument();
    }
    context.SaveSettings();
    context.LoadSettings();
    return;
  }
  if (!document_) return;
  document_->ApplyProfileOrder();
  document_->ComputeAlignment(0);
  document_->RefreshProfileViews();
  document_->RepaintMapViews(false);
  if (orientationChanged) document_->InitialUpdateAllViews();
}

void CTarvixApp::OnChangePalette() {
  if (!paletteEditor_) return;
  paletteEditor_->PalEdit(App().settings.Palette, App().startupDirectory);
  if (document_) document_->UpdateAllViews(0);
}

void CTarvixApp::OnFileClose() {
  if (document_ && document_->SaveModified()) CloseDocument();
}

bool CTarvixApp::OnAppExit() {
  if (document_ && !document_->SaveModified()) return false;
  CloseDocument();
  ExitInstance();
  return true;
}

std::optional<CommandState> CTarvixApp::OwnState(int id) const {
  using namespace command;
  if (id >= kRecentFile && id < kRecentFile + kRecentFileCount)
    return CommandState{!document_ && static_cast<std::size_t>(id - kRecentFile) < recentFiles_.Entries().size()};
  switch (id) {
    case kNew:
    case kOpen:
    case kOptions:
    case kExit:
      return CommandState{true};
    case kClose:
      return CommandState{document_ != nullptr};
    case kChangePalette:
      return CommandState{paletteEditor_ != nullptr};
    default:
      return std::nullopt;
  }
}

CommandState CTarvixApp::State(int id) const {
  if (document_)
    if (const auto state = document_->Commands().State(id)) return *state;
  return OwnState(id).value_or(CommandState{});
}

bool CTarvixApp::Run(int id) {
  using namespace command;
  if (document_ && document_->Commands().State(id)) return document_->Commands().Run(id);
  const auto state = OwnState(id);
  if (!state || !state->enabled) return false;
  if (id >= kRecentFile && id < kRecentFile + kRecentFileCount) {
    OnOpenRecentFile(static_cast<std::size_t>(id - kRecentFile));
    return true;
  }
  switch (id) {
    case kNew:
      OnFileNew();
      break;
    case kOpen:
      OnFileOpen();
      break;
    case kOptions:
      OnOptions();
      break;
    case kChangePalette:
      OnChangePalette();
      break;
    case kClose:
      OnFileClose();
      break;
    case kExit:
      OnAppExit();
      break;
    default:
      return false;
  }
  return true;
}

}  // namespace tarvix
