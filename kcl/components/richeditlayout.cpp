#include "kcl/components/richeditlayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <climits>

namespace kcl {

namespace {

// Paragraphs of a change laid out at once; those of a larger change wait until
// they are shown.
constexpr int EagerBlocks = 256;
constexpr double Unbounded = INT_MAX;

// The height and width of a laid-out paragraph, its margins included.
QSizeF LaidOutSize(const QTextLayout& layout, const QTextBlockFormat& format) {
  if (layout.lineCount() == 0) return {};
  double width = 0;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    width = std::max(width, line.x() + line.naturalTextWidth());
  }
  const QTextLine last = layout.lineAt(layout.lineCount() - 1);
  return {width + format.rightMargin(), last.y() + last.height() + format.bottomMargin()};
}

}  // namespace

TRichEditLayout::TRichEditLayout(QTextDocument* document) : QAbstractTextDocumentLayout(document) {}

double TRichEditLayout::Margin() const { return document()->documentMargin(); }

double TRichEditLayout::LineHeightGuess() const {
  if (FLineHeight > 0) return FLineHeight;
  return QFontMetricsF(document()->defaultFont(), paintDevice()).lineSpacing();
}

// --- changes

void TRichEditLayout::documentChanged(int from, int /*charsRemoved*/, int charsAdded) {
  QTextDocument* doc = document();
  const int count = doc->blockCount();
  const int length = doc->characterCount();
  const QSizeF oldSize = documentSize();
  QRectF changed;
  if (FSizes.Count() == 0 || (from <= 0 && charsAdded >= length)) {
    // The whole document, or how all of it is laid out: paragraphs keep their
    // heights as guesses, new ones get the height of the first one's lines.
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) block.clearLayout();
    const bool fresh = FSizes.Count() == 0;
    FSizes.Resize(count, LineHeightGuess());
    if (fresh) {
      LayOut(doc->begin());
      FSizes.Resize(1, 0);
      FSizes.Resize(count, LineHeightGuess());
    }
    changed = QRectF(0, 0, Unbounded, Unbounded);
  } else {
    const int delta = count - FSizes.Count();
    const QTextBlock first = doc->findBlock(std::clamp(from, 0, length - 1));
    const int firstNumber = first.blockNumber();
    const int lastNumber =
        std::max(doc->findBlock(std::clamp(from + std::max(charsAdded, 1) - 1, 0, length - 1)).blockNumber(), firstNumber);
    const int inserted = lastNumber - firstNumber + 1;
    const double top = FSizes.Top(firstNumber);
    const double oldHeight = FSizes.Top(firstNumber + inserted - delta) - top;
    FSizes.Replace(firstNumber, inserted - delta, inserted, LineHeightGuess());
    if (FSizes.Count() != count) FSizes.Resize(count, LineHeightGuess());
    QTextBlock block = first;
    for (int i = 0; i < inserted && block.isValid(); ++i, block = block.next()) {
      block.clearLayout();
      if (i < EagerBlocks) LayOut(block);
    }
    const double newHeight = FSizes.Top(firstNumber + inserted) - top;
    // The changed paragraphs, and all below them once they moved.
    changed = QRectF(0, Margin() + top, Unbounded, delta == 0 && newHeight == oldHeight ? newHeight : Unbounded);
  }
  if (documentSize() != oldSize) ReportSize();
  emit update(changed);
}

void TRichEditLayout::ReportSizeLater() const {
  if (FSizeReportPending) return;
  FSizeReportPending = true;
  auto* self = const_cast<TRichEditLayout*>(this);
  QMetaObject::invokeMethod(self, [self] {
    self->ReportSize();
    emit self->update();
  }, Qt::QueuedConnection);
}

void TRichEditLayout::ReportSize() {
  FSizeReportPending = false;
  const QSizeF size = documentSize();
  if (size == FReportedSize) return;
  FReportedSize = size;
  emit documentSizeChanged(size);
}

// --- paragraphs

void TRichEditLayout::LayOut(const QTextBlock& block) const {
  if (!block.isValid()) return;
  const QTextDocument* doc = document();
  QTextLayout* layout = block.layout();
  const QTextBlockFormat format = block.blockFormat();
  const Qt::LayoutDirection direction = block.textDirection();
  QTextOption option = doc->defaultTextOption();
  option.setTextDirection(direction);
  option.setTabs(format.tabPositions());
  const Qt::Alignment alignment = format.hasProperty(QTextFormat::BlockAlignment) ? format.alignment() : option.alignment();
  option.setAlignment(QStyle::visualAlignment(direction, alignment));
  layout->setTextOption(option);

  const double pageWidth = doc->pageSize().width();
  const double indent = format.indent() * doc->indentWidth();
  const double available = pageWidth > 0
                               ? std::max(pageWidth - 2 * Margin() - format.leftMargin() - format.rightMargin() - indent, 0.0)
                               : Unbounded;
  double y = format.topMargin();
  layout->beginLayout();
  for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
    line.setLeadingIncluded(true);
    // The first line's indent is on the side where lines start.
    const double textIndent = line.lineNumber() == 0 ? format.textIndent() : 0;
    line.setLineWidth(std::max(available - textIndent, 0.0));
    const double left = format.leftMargin() + (direction == Qt::RightToLeft ? 0 : indent + textIndent);
    line.setPosition(QPointF(left, y));
    y += line.height();
  }
  layout->endLayout();

  const QSizeF size = LaidOutSize(*layout, format);
  if (layout->lineCount() == 1 && format.topMargin() == 0 && format.bottomMargin() == 0) FLineHeight = size.height();
  const int number = block.blockNumber();
  if (FSizes.Count() == doc->blockCount() && number < FSizes.Count())
    FSizes.SetSize(number, block.isVisible() ? size.height() : 0, size.width());
}

void TRichEditLayout::EnsureLaidOut(const QTextBlock& block) const {
  QTextLayout* layout = block.layout();
  const int number = block.blockNumber();
  // Sizes wait for the change an edit block has not reported yet.
  const bool tracked = FSizes.Count() == document()->blockCount();
  if (layout->lineCount() == 0) {
    const double before = tracked ? FSizes.Height(number) : 0;
    LayOut(block);
    if (tracked && FSizes.Height(number) != before) ReportSizeLater();
  } else if (tracked) {
    // Qt keeps a paragraph's lines over changes it did not report, such as a
    // layout made while an edit block was open.
    const QSizeF size = LaidOutSize(*layout, block.blockFormat());
    const double height = block.isVisible() ? size.height() : 0;
    if (FSizes.Height(number) != height) {
      FSizes.SetSize(number, height, size.width());
      ReportSizeLater();
    }
  }
  layout->setPosition(QPointF(Margin(), Margin() + FSizes.Top(std::min(number, FSizes.Count()))));
}

// --- geometry

QSizeF TRichEditLayout::documentSize() const {
  const double margin = Margin();
  const double width = std::max(document()->pageSize().width(), FSizes.MaxWidth() + 2 * margin);
  return {width, FSizes.TotalHeight() + 2 * margin};
}

QRectF TRichEditLayout::frameBoundingRect(QTextFrame* frame) const {
  return frame == document()->rootFrame() ? QRectF(QPointF(0, 0), documentSize()) : QRectF();
}

QRectF TRichEditLayout::blockBoundingRect(const QTextBlock& block) const {
  if (!block.isValid() || block.document() != document()) return {};
  EnsureLaidOut(block);
  const QTextLayout* layout = block.layout();
  const QSizeF size = LaidOutSize(*layout, block.blockFormat());
  const double pageWidth = document()->pageSize().width() - 2 * Margin();
  return {layout->position(), QSizeF(std::max(pageWidth, size.width()), block.isVisible() ? size.height() : 0)};
}

int TRichEditLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const {
  const QTextBlock block = document()->findBlockByNumber(FSizes.BlockAt(point.y() - Margin()));
  if (!block.isValid()) return -1;
  EnsureLaidOut(block);
  const QTextLayout* layout = block.layout();
  if (layout->lineCount() == 0) return -1;
  const QPointF local = point - layout->position();
  QTextLine line = layout->lineAt(0);
  for (int i = 1; i < layout->lineCount() && layout->lineAt(i).y() <= local.y(); ++i) line = layout->lineAt(i);
  if (accuracy == Qt::ExactHit && !line.naturalTextRect().contains(local)) return -1;
  return block.position() + line.xToCursor(local.x());
}

// --- drawing

void TRichEditLayout::draw(QPainter* painter, const PaintContext& context) {
  const QRectF clip = context.clip.isValid() ? context.clip : QRectF(0, 0, Unbounded, Unbounded);
  for (QTextBlock block = document()->findBlockByNumber(FSizes.BlockAt(clip.top() - Margin())); block.isValid();
       block = block.next()) {
    const QRectF rect = blockBoundingRect(block);
    if (rect.top() > clip.bottom()) break;
    if (rect.bottom() >= clip.top() && block.isVisible()) DrawBlock(painter, context, block);
  }
}

void TRichEditLayout::DrawBlock(QPainter* painter, const PaintContext& context, const QTextBlock& block) const {
  QTextLayout* layout = block.layout();
  const int start = block.position();
  const int length = block.length();
  const QBrush background = block.blockFormat().background();
  if (background.style() != Qt::NoBrush) painter->fillRect(blockBoundingRect(block), background);

  QList<QTextLayout::FormatRange> selections;
  for (const Selection& selection : context.selections) {
    const int from = selection.cursor.selectionStart() - start;
    const int to = selection.cursor.selectionEnd() - start;
    if (from < length && to > 0 && to > from) {
      selections.append({std::max(from, 0), to - std::max(from, 0), selection.format});
    } else if (!selection.cursor.hasSelection() && selection.format.hasProperty(QTextFormat::FullWidthSelection) &&
               block.contains(selection.cursor.position())) {
      const QTextLine line = layout->lineForTextPosition(selection.cursor.position() - start);
      const int lineEnd = line.textStart() + line.textLength();
      selections.append({line.textStart(), line.textLength() + (lineEnd == length - 1 ? 1 : 0), selection.format});
    }
  }
  painter->setPen(context.palette.color(QPalette::Text));
  layout->draw(painter, QPointF(), selections, context.clip);

  int cursor = context.cursorPosition;
  const bool preedit = cursor < -1 && !layout->preeditAreaText().isEmpty();
  if ((cursor >= start && cursor < start + length) || preedit) {
    cursor = preedit ? layout->preeditAreaPosition() - (cursor + 2) : cursor - start;
    bool ok = false;
    const int width = property("cursorWidth").toInt(&ok);
    layout->drawCursor(painter, QPointF(), cursor, ok ? width : 1);
  }
}

}  // namespace kcl
