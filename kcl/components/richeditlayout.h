#pragma once
// TRichEditLayout: the layout of a rich edit's document, a column of paragraphs
// (alignment, margins, first-line indent and tab stops of each), as QTextEdit shows
// it. Qt's own layout moves every paragraph after a change, which makes a key in a
// long document cost in proportion to the text after the caret; here a paragraph
// is laid out when it is shown or asked about, and the others keep the height they
// had (or the height of a line), summed in a tree. Frames, tables and lists are not
// laid out: the rich edit makes none.
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>

#include "kcl/components/richeditsizes.h"

namespace kcl {

class TRichEditLayout : public QAbstractTextDocumentLayout {
public:
  explicit TRichEditLayout(QTextDocument* document);

  void draw(QPainter* painter, const PaintContext& context) override;
  int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
  int pageCount() const override { return 1; }
  QSizeF documentSize() const override;
  QRectF frameBoundingRect(QTextFrame* frame) const override;
  QRectF blockBoundingRect(const QTextBlock& block) const override;

protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
  // Lays the paragraph out unless it is, and puts it at its place.
  void EnsureLaidOut(const QTextBlock& block) const;
  void LayOut(const QTextBlock& block) const;
  double Margin() const;
  double LineHeightGuess() const;
  void ReportSizeLater() const;
  void ReportSize();
  void DrawBlock(QPainter* painter, const PaintContext& context, const QTextBlock& block) const;

  mutable TBlockSizes FSizes;
  mutable double FLineHeight = 0;  // of the last one-line paragraph laid out
  mutable bool FSizeReportPending = false;
  QSizeF FReportedSize;
};

}  // namespace kcl
