// SPDX-License-Identifier: MIT
// The fuzz harness of TextLine.

#include "fuzz/fuzz_common.h"

namespace kelvarin::fuzz {

namespace {

class Box final : public TextBox {
  public:
    QString content;
    qint32 start = 0, length = 0;
    QString text() const override { return content; }
    void setText(const QString& t) override { content = t, start = length = 0; }
    qint32 selStart() const override { return start; }
    void setSelStart(qint32 s) override { start = s, length = 0; }
    qint32 selLength() const override { return length; }
    void setSelLength(qint32 l) override { length = l; }
};

}  // namespace

int run_TextLine(Input& in) {
    Box box;
    const qint32 line = in.number<qint32>();
    box.start = in.number<qint32>();
    box.length = in.number<qint32>();
    const QString insert = in.text();
    box.content = in.rest();
    allowing(kNone, [&] {
        object().TextLenLine(box);
        object().TextLine(box, line);
        object().TextLine(box, in.count(8));
        object().Textbox_insert(box, insert);
    });
    return 0;
}

}  // namespace kelvarin::fuzz
