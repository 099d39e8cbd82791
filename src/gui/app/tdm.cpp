#include "gui/app/tdm.h"

#include <QThread>

#include "gui/history/draw_table_model.h"

namespace dlt::gui {

Tdm::Tdm(QObject* parent) : QObject(parent) {
  setObjectName("Tdm");
  ds_basedata = new DrawTableModel(this);
  ds_basedata->setObjectName("ds_basedata");
  // Draws added are a change of the rows as any other.
  connect(this, &Tdm::historyChanged, this, &Tdm::tableChanged);
}

Tdm::~Tdm() {
  Close();
}

void Tdm::Open(const std::string& path) {
  ds_basedata->SetTable(nullptr);
  t_basedata = std::make_unique<DrawTable>(path);
  ds_basedata->SetTable(t_basedata.get());
  AttachBookGrading(
      *t_basedata, [this] { return book_.get(); },
      [this](const GradingReport& report, const std::string& error) { Told(report, error); });
}

void Tdm::TableChanged() {
  ds_basedata->Refresh();
  emit tableChanged();
}

void Tdm::Close() {
  if (ds_basedata) ds_basedata->SetTable(nullptr);
  t_basedata.reset();
}

bool Tdm::OpenBook(const std::string& path) {
  book_.reset();
  bookProblem_.clear();
  try {
    book_ = TicketBook::Open(path, /*create=*/true);
    // Draws stored while the book could not be graded count too.
    if (t_basedata) GradeBookEntries(*book_, *t_basedata);
  } catch (const std::exception& e) {
    book_.reset();
    bookProblem_ = QString::fromStdString(e.what());
    return false;
  }
  return true;
}

void Tdm::Told(const GradingReport& report, const std::string& error) {
  const QString message = QString::fromStdString(error);
  // An import stores its draws off the interface thread: the windows hear
  // of it on theirs.
  if (QThread::currentThread() == thread())
    emit bookGraded(report, message);
  else
    QMetaObject::invokeMethod(
        this, [this, report, message] { emit bookGraded(report, message); }, Qt::QueuedConnection);
}

}  // namespace dlt::gui
