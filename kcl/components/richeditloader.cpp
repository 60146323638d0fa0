#include "kcl/components/richeditloader.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QThread>

namespace kcl {

namespace {

std::unique_ptr<QTextDocument> Read(std::string_view data, bool rtf, const QFont& font, const QTextOption& option,
                                    const TRtfReadOptions& options) {
  auto document = std::make_unique<QTextDocument>();
  document->setUndoRedoEnabled(false);
  document->setDefaultFont(font);
  document->setDefaultTextOption(option);
  QTextCursor cursor(document.get());
  cursor.beginEditBlock();
  if (rtf)
    ReadRtf(data, cursor, options);
  else
    ReadAnsiText(data, cursor);
  cursor.endEditBlock();
  document->setUndoRedoEnabled(true);
  return document;
}

}  // namespace

std::unique_ptr<QTextDocument> ReadDocument(std::string_view data, bool rtf, const QTextDocument& like,
                                            const TRtfReadOptions& options) {
  return Read(data, rtf, like.defaultFont(), like.defaultTextOption(), options);
}

TBackgroundDocument::TBackgroundDocument(std::string rtf, const QTextDocument& like, std::function<void()> finished) {
  // The font and options are copied here: the thread must not touch like.
  FThread = std::thread([this, rtf = std::move(rtf), font = like.defaultFont(), option = like.defaultTextOption(),
                         owner = QThread::currentThread(), finished = std::move(finished)] {
    auto document = Read(rtf, true, font, option, {INT_MAX, &FCancel});
    document->moveToThread(owner);
    FDocument = std::move(document);
    if (!FCancel) finished();
  });
}

TBackgroundDocument::~TBackgroundDocument() {
  FCancel = true;
  if (FThread.joinable()) FThread.join();
}

std::unique_ptr<QTextDocument> TBackgroundDocument::Take() {
  if (FThread.joinable()) FThread.join();
  return std::move(FDocument);
}

}  // namespace kcl
