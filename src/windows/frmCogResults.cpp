#include "windows/frmCogResults.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "cogedit/CogCommands.h"
#include "platform/Codepage1252.h"
#include "resources/Pictures.h"

namespace {
constexpr int kProblemRole = Qt::UserRole;

QString counted(std::size_t n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}
}  // namespace

QString ProblemText(const cog::Diagnostic& problem) {
  QString text = Cp1252::toUnicode(QByteArray::fromStdString(problem.text + " [" + problem.check + "]"));
  // Quoted bytes of a binary file must not break the row.
  for (QChar& c : text)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QChar(0xFFFD);
  return text;
}

frmCogResults::frmCogResults(Program& program, QWidget* parent) : QWidget(parent, Qt::Tool), program_(program) {
  setWindowIcon(Pictures::programIcon());
  setAttribute(Qt::WA_DeleteOnClose, false);
  auto* layout = new QVBoxLayout(this);
  lblSummary = new QLabel(this);
  lblSummary->setWordWrap(true);
  layout->addWidget(lblSummary);
  lstProblems = new QTreeWidget(this);
  lstProblems->setColumnCount(3);
  lstProblems->setHeaderLabels({QStringLiteral("Line"), QStringLiteral("Severity"), QStringLiteral("Problem")});
  lstProblems->setRootIsDecorated(false);
  lstProblems->setUniformRowHeights(true);  // thousands of rows stay quick
  lstProblems->setAllColumnsShowFocus(true);
  lstProblems->header()->setStretchLastSection(true);
  layout->addWidget(lstProblems, 1);
  connect(lstProblems, &QTreeWidget::itemActivated, this, &frmCogResults::lstProblems_Choose);
  connect(lstProblems, &QTreeWidget::itemClicked, this, &frmCogResults::lstProblems_Choose);
  resize(560, 260);
}

int frmCogResults::ProblemOf(const QTreeWidgetItem* row) {
  return row ? row->data(0, kProblemRole).toInt() : -1;
}

void frmCogResults::ShowResults(const QString& caption, const std::vector<cog::Diagnostic>& problems, int listed,
                                const int* omitted) {
  setWindowTitle(QStringLiteral("Check Script - ") + caption);
  lstProblems->clear();
  std::size_t counts[3] = {0, 0, 0};
  std::size_t left = 0;
  for (const cog::Diagnostic& problem : problems) ++counts[int(problem.severity)];
  for (int i = 0; omitted && i < 3; ++i) {
    counts[i] += std::size_t(omitted[i]);
    left += std::size_t(omitted[i]);
  }
  summary_ = problems.empty()
                 ? QStringLiteral("No problems found.")
                 : counted(counts[0], "error", "errors") + QStringLiteral(", ") +
                       counted(counts[1], "warning", "warnings") + QStringLiteral(", ") +
                       counted(counts[2], "note", "notes") + QStringLiteral(".");
  lblSummary->setText(summary_);
  lstProblems->setVisible(!problems.empty());

  QList<QTreeWidgetItem*> rows;
  const int shown = std::min(int(problems.size()), listed);
  rows.reserve(shown + 1);
  for (int i = 0; i < shown; ++i) {
    const cog::Diagnostic& problem = problems[std::size_t(i)];
    auto* row = new QTreeWidgetItem({QString::number(problem.line),
                                     QString::fromLatin1(cog::severityName(problem.severity)), ProblemText(problem)});
    row->setData(0, kProblemRole, i);
    row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    rows.append(row);
  }
  left += problems.size() - std::size_t(shown);
  if (left > 0) {
    auto* more = new QTreeWidgetItem(
        {QString(), QString(),
         QStringLiteral("... and %1 more, not listed: correct the first ones and check again.")
             .arg(left)});
    more->setData(0, kProblemRole, -1);
    more->setFlags(Qt::ItemIsEnabled);
    rows.append(more);
  }
  lstProblems->addTopLevelItems(rows);
  lstProblems->resizeColumnToContents(0);
  lstProblems->resizeColumnToContents(1);
}

void frmCogResults::ShowTextChanged() {
  lblSummary->setText(summary_ + QStringLiteral(" The text has changed since the check: the rows lead to where "
                                                "their places have moved; check again for fresh results."));
}

void frmCogResults::ShowDocumentClosed(const QString& caption) {
  lstProblems->clear();
  lstProblems->setVisible(false);
  lblSummary->setText(caption + QStringLiteral(" was closed; its problems are no longer listed."));
}

void frmCogResults::lstProblems_Choose(QTreeWidgetItem* row) { ChooseProblem(program_, ProblemOf(row)); }
