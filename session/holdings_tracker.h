#pragma once

#include "image/clone_image.h"
#include "image/receiver_holdings.h"

#include <string>

namespace r36::session {

/// Follows a transfer's reads and acknowledged writes into what the receiver holds. Pieces are
/// named as the block operations name them ("memory 12", "the bank table", "bank-link group 3");
/// the image is the one the transfer works on, so it holds each piece as read or as sent.
class HoldingsTracker {
public:
    HoldingsTracker(image::ReceiverHoldings& holdings, const image::CloneImage& image)
        : m_holdings(holdings), m_image(image) {}

    /// A read stored `piece` in the image: the receiver holds it so.
    void stored(const std::string& piece);
    /// The receiver answered "OK" to a write of `piece`.
    void acknowledged(const std::string& piece);

    /// Only the pieces acknowledged so far, as the receiver should now hold them.
    const image::ReceiverHoldings& acknowledgedPieces() const { return m_acknowledged; }
    /// The block reads that bring each acknowledged piece back.
    image::WritePlan readBackPlan() const;

private:
    /// One more of the four writes of the bank table or the settings block (32, 32, 32, 4
    /// bytes); a block never read becomes known when all four were taken.
    void pieceOfFour(image::Held& held, int& count, const std::string& sent);

    image::ReceiverHoldings& m_holdings;
    const image::CloneImage& m_image;
    image::ReceiverHoldings m_acknowledged;
    int m_bankTablePieces = 0, m_sysBlockPieces = 0;
};

} // namespace r36::session
