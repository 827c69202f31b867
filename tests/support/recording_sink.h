#pragma once
// A message sink that keeps what the engine and the drawing show.

#include "map_state.h"

#include <QString>
#include <QStringList>

struct TRecordingSink : tavrin::IMessageSink {
    QStringList Messages;
    void ShowMessage(std::string_view text) override {
        Messages << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
};
