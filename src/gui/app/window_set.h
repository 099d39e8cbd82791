#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

namespace dlt::gui {

struct AppContext;
class Tdm;

// Every window of the program, created at start in a fixed order and kept
// to the end; the toolbar only shows and hides them.
class WindowSet {
 public:
  // Creates the data module and then the windows, in order.
  explicit WindowSet(AppContext& app);
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  // The windows in creation order.
  const std::vector<QWidget*>& All() const { return order_; }
  QWidget* Find(const QString& className) const;
  template <class T>
  T* Get() const {
    for (QWidget* w : order_)
      if (auto* t = qobject_cast<T*>(w)) return t;
    return nullptr;
  }

  // Closes every window but the main one.
  void CloseAll();

 private:
  template <class T>
  T* Create(AppContext& app);

  std::unique_ptr<Tdm> dm_;
  std::vector<std::unique_ptr<QWidget>> owned_;
  std::vector<QWidget*> order_;
};

}  // namespace dlt::gui
