#pragma once

#include "loader_client.h"

#include <QString>

namespace plc {

// The line a window shows while a write runs: the phase, how fast the image goes through it and
// about how long the rest takes, the verify after the write included.
class ProgressEstimate {
public:
    explicit ProgressEstimate(bool verify = true) : m_verify(verify) {}

    // done of total steps of the phase (256-byte blocks, or erase commands), elapsedMs since the
    // write began: "Write... 10.9 KB/s, about 6 s left"; the phase alone until its speed shows.
    QString text(LoaderClient::Phase phase, int done, int total, qint64 elapsedMs);

private:
    bool m_verify;
    LoaderClient::Phase m_phase = LoaderClient::Phase::Erase;
    qint64 m_phaseStartMs = 0;
    qint64 m_lastMs = 0;
};

}  // namespace plc
