#pragma once

#include "image/clone_image.h"
#include "image/receiver_holdings.h"

#include <string>

namespace r36::session {

/// Follows a transfer's reads and acknowledged writes into what the receiver holds, piece by piece
/// as the block operations report them; the image is the one the transfer works on, so it holds
/// each piece as read or as sent.
class HoldingsTracker {
public:
    HoldingsTracker(image::ReceiverHoldings& holdings, const image::CloneImage& image)
        : m_holdings(holdings), m_image(image) {}

    /// A read stored `piece` in the image: the receiver holds it so.
    void stored(const image::Piece& piece);
    /// The receiver answered "OK" to a write of `piece`.
    void acknowledged(const image::Piece& piece);

    /// Only the pieces acknowledged so far, as the receiver should now hold them.
    const image::ReceiverHoldings& acknowledgedPieces() const { return m_acknowledged; }
    /// The block reads that bring each acknowledged piece back.
    const image::WritePlan& readBackPlan() const { return m_readBack; }

private:
    image::ReceiverHoldings& m_holdings;
    const image::CloneImage& m_image;
    image::ReceiverHoldings m_acknowledged;
    image::WritePlan m_readBack;
};

} // namespace r36::session
