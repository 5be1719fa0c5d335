#include "framing.h"

namespace r36::link {

namespace {
const QByteArray kCrLf("\r\n");
}

bool isReplyComplete(const QByteArray& collected, int commandLength) {
    // The echo is followed at once by CR LF, so echo + CR LF alone already ends with CR LF
    // although the reply line has not arrived: wait for more than that.
    return collected.size() > commandLength + 2 && collected.endsWith(kCrLf);
}

QByteArray replyText(const QByteArray& collected, int commandLength) {
    if (collected.size() <= commandLength)
        return {};
    const QByteArray rest = collected.mid(commandLength);
    if (rest.size() < 4 || !rest.startsWith(kCrLf) || !rest.endsWith(kCrLf))
        return {};
    return rest.mid(2, rest.size() - 4);
}

} // namespace r36::link
