#pragma once
// The device answers the window: the presenter's session awaits a reply of `replyLength` bytes (a
// request sent as the window sends one), the bytes arrive, and the link raises its receive event.

#include "event_loop.h"
#include "link/protocol.h"
#include "link/request.h"
#include "memory_link.h"
#include "ui/window_presenter.h"

namespace vorlan::test {

// The serial steps of the request are done when it returns (and left out of a recording link's
// log), so that what follows is the reply's handling alone: its outcome comes within this call.
// False when the request never went out.
template <typename Link>
bool Answer(ui::WindowPresenter& presenter, Link& link, const QByteArray& bytes,
            int replyLength = kReadReplyLength) {
  link.threshold = 0;
  presenter.session().start(Request{{}, replyLength});
  if (!WaitUntil([&] { return link.threshold == replyLength; })) return false;
  if constexpr (requires { link.log; }) link.log.clear();
  link.feed(bytes);
  if (link.onComm) link.onComm();  // with the event kind the link holds
  return true;
}

}  // namespace vorlan::test
