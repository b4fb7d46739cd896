#pragma once
#include <functional>
#include <map>
#include <optional>

#include "document/Commands.h"

namespace tarvix {

class CTarvixDoc;

// The commands of the open project's menu: when each is enabled or checked, and what it does.
class DocumentCommandTable {
 public:
  explicit DocumentCommandTable(CTarvixDoc& document);
  DocumentCommandTable(const DocumentCommandTable&) = delete;
  DocumentCommandTable& operator=(const DocumentCommandTable&) = delete;

  // Nothing when the command is not one of the document's.
  std::optional<CommandState> State(int id) const;
  // Runs an enabled command of the document; false when it is not one or is disabled.
  bool Run(int id);
  // Commands carried out by other parts of the program (the exports, the conversion) are
  // enabled once their handler is given.
  void SetHandler(int id, std::function<void()> handler);

 private:
  struct Entry {
    std::function<CommandState()> state;
    std::function<void()> run;
  };
  void Add(int id, std::function<CommandState()> state, std::function<void()> run);
  void AddPluggable(int id, std::function<bool()> allowed);

  std::map<int, Entry> entries_;
  std::map<int, std::function<void()>> handlers_;
};

}  // namespace tarvix
