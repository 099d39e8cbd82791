#pragma once

#include <string>

namespace dlt {

// The one folder that stands for the program folder and the current
// directory: holds database/basedata.db, save/, the condition files.
class DataFolder {
 public:
  // --data-dir when given, else $DLT_HOME, else $XDG_DATA_HOME/dlt
  // (~/.local/share/dlt).
  static std::string Resolve(const std::string& explicitDir);

  explicit DataFolder(std::string root);

  // Creates the folder with database/ and save/ when missing.
  bool Ensure(std::string* error = nullptr) const;

  const std::string& Root() const { return root_; }
  std::string Path(const std::string& relative) const;  // root + "/" + relative
  std::string DatabaseDir() const { return Path("database"); }
  std::string SaveDir() const { return Path("save"); }
  std::string TablePath() const { return Path("database/basedata.db"); }
  std::string WorkTablePath() const { return Path("database/basedata_add.db"); }
  // The ticket book, its own file beside the draws.
  std::string BookPath() const { return Path("database/book.db"); }

 private:
  std::string root_;
};

}  // namespace dlt
