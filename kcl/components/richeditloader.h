#pragma once
// A rich edit's data read into a new document, at once or on a thread of its own.
#include <QFont>
#include <QTextOption>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "kcl/components/rtfreader.h"

class QTextDocument;

namespace kcl {

// The data as a new document with like's default font and text options: RTF when
// rtf is set, else Windows-1252 text. Its undo history starts empty.
std::unique_ptr<QTextDocument> ReadDocument(std::string_view data, bool rtf, const QTextDocument& like,
                                            const TRtfReadOptions& options = {});

// An RTF document read on another thread. Finished is called on that thread when
// the document is ready; Take waits for it and hands it to the calling thread.
class TBackgroundDocument {
public:
  TBackgroundDocument(std::string rtf, const QTextDocument& like, std::function<void()> finished);
  ~TBackgroundDocument();  // stops the reading and waits for the thread
  TBackgroundDocument(const TBackgroundDocument&) = delete;
  TBackgroundDocument& operator=(const TBackgroundDocument&) = delete;

  std::unique_ptr<QTextDocument> Take();

private:
  std::atomic<bool> FCancel = false;
  std::unique_ptr<QTextDocument> FDocument;
  std::thread FThread;
};

}  // namespace kcl
