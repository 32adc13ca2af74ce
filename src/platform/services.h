#pragma once

#include "platform/clock.h"
#include "platform/http_client.h"
#include "platform/report_page.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/user_interaction.h"

namespace lotto {

// The outside world as the windows see it. The front end passes its implementations,
// the tests their fakes.
struct Services {
  UserInteraction& ui;
  SoundPlayer& sound;
  Shell& shell;
  Clock& clock;
  SettingsStore& settings;
  HttpClient& http;
  ReportPreview& report;
};

}  // namespace lotto
