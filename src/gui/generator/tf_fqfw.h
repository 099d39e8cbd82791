#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

class QComboBox;
class QPlainTextEdit;
class QRadioButton;

namespace dlt::gui {

class MaskedEdit;

struct AppContext;

// "取值范围及分区": the caller's value range, and a listing of how the
// zone counts divide it. "应用" makes the typed range the applied one,
// which the caller reads after the dialog closes.
class Tf_fqfw : public QDialog {
  Q_OBJECT
 public:
  explicit Tf_fqfw(AppContext& app, QWidget* parent = nullptr);

  // The caller's range written into the two edits (not yet applied).
  void SetRange(int32_t from, int32_t to);
  int32_t From() const { return from_; }
  int32_t To() const { return to_; }
  QString Listing() const;

  // The zone listing of k zones over from..to: the header line, the zones
  // line and an empty line.
  static QString ZoneListing(int k, int32_t from, int32_t to);

 public slots:
  void Apply();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppContext& app_;
  MaskedEdit* fromEdit_ = nullptr;
  MaskedEdit* toEdit_ = nullptr;
  QRadioButton* common_ = nullptr;
  QRadioButton* chosen_ = nullptr;
  QComboBox* zoneCount_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  int32_t from_ = 1;
  int32_t to_ = 16;
};

}  // namespace dlt::gui
