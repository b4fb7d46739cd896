#pragma once
#include <string>
#include <vector>

#include "document/DocumentCommandTable.h"
#include "filters/ScopedFilterList.h"
#include "model/KTarvixProject.h"
#include "platform/Geometry.h"
#include "profileview/DisplayState.h"
#include "profileview/MarkerListDocument.h"

namespace tarvix {

class DocumentHost;
class DocumentView;
class MapFrame;

// The one open project: its model, the profile view's state, its filter list, its lifecycle
// (new, open, save, add, close) and the commands of its menu.
class CTarvixDoc : public MarkerListDocument {
 public:
  explicit CTarvixDoc(DocumentHost& host);
  ~CTarvixDoc() override;
  CTarvixDoc(const CTarvixDoc&) = delete;
  CTarvixDoc& operator=(const CTarvixDoc&) = delete;

  // Declared first so that it outlives the project: each project starts from an empty chain.
  ScopedFilterList filters;
  KTarvixProject project;
  DisplayState state;
  MapFrame* mapFrame = nullptr;
  int mapShown = 0;
  int mapVisibleAtOpen = 1;
  int loaded = 0;  // New or Open produced a usable project

  // Lifecycle. Each On... returns false when the document is not usable afterwards.
  bool OnNewDocument();
  bool OnOpenDocument(const std::string& path);
  // Writes the project under the path's base name; false, after telling the user, when any of
  // its files could not be written (the document then stays modified).
  bool OnSaveDocument(const std::string& path);
  // "&Save": the document's path, or a chosen one when it has none or cannot be written there.
  bool DoFileSave();
  void OnFileSaveAs();
  // Offers to save a modified project; false when the user cancelled or the save failed.
  bool SaveModified();
  // Everything before the document goes: the save question (whose Cancel does not stop the
  // closing) and the data width for the next project.
  void OnCloseDocument();

  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true) { modified_ = modified; }
  const std::string& GetPathName() const { return pathName_; }
  void SetPathName(const std::string& path, bool addToRecentFiles);

  // Commands of the project's menu.
  DocumentCommandTable& Commands() { return commands_; }
  void OnAddProject();
  void OnProjectManager();
  void OnSiteMap();
  void OnEditFilterList();
  void OnToggleFilters();
  void OnMigration();
  void OnArrangeIcons();
  bool CurrentSetHasProfiles() const;

  // Operations for the views, the map and the marker list.
  bool ShowMapAtOpen();
  void MapFrameDestroyed();
  bool ComputeAlignment(int fromSet);
  void DeleteSelectedMarkers();
  // A new marker of `type` on band `band` of the view at display trace g = point.x (the trace
  // itself when the band is drawn forward) and sample point.y; it becomes the selected marker.
  void InsertMarker(int type, int band, Point point);
  // The "Edit Marker" dialog for the selected marker, or for the comment of every selected one.
  void EditSelectedMarker();
  enum class MarkerScope { Selected, Type, All };
  // Shows or hides the selected markers, those of the selected marker's type, or all.
  void SetMarkersVisible(MarkerScope scope, bool visible);
  // Adds to the list's selection every marker of the selected marker's type, or every marker.
  void SelectMarkersOfType(bool all);
  // The number after the prefix that is one more than the largest among the matching files of
  // the directory; 0 when there is none.
  static int NextProjectNumber(const std::string& directory, const std::string& prefix,
                               const std::string& extension);
  void RefreshProfileViews();
  void RepaintMapViews(bool refit);
  void UpdateAllViews(int hint);
  void InitialUpdateAllViews();
  // Every set takes the configured profile order and is sorted again.
  void ApplyProfileOrder();

  void AttachView(DocumentView& view);
  void DetachView(DocumentView& view);

  KTarvixProject& Project() override { return project; }
  DisplayState& State() override { return state; }
  void RepaintAllViews() override { UpdateAllViews(0); }

 private:
  void ShowSaveError(const std::string& file) const;

  DocumentHost& host_;
  DocumentCommandTable commands_{*this};
  std::vector<DocumentView*> views_;
  std::string pathName_;
  bool modified_ = false;
};

}  // namespace tarvix
