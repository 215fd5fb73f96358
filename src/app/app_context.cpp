// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/app_context.h"

namespace z408 {

AppContext::AppContext(ProgramFolders program, std::filesystem::path dataDirectory, Clock& clock,
                       std::unique_ptr<HidTransport> transport)
    : program_(std::move(program)),
      dataDirectory_(std::move(dataDirectory)),
      clock_(clock),
      language_(program_.data, dataDirectory_),
      notices_(language_),
      profiles_(dataDirectory_, notices_),
      macroStore_(macroLibrary_, dataDirectory_, notices_, clock_),
      pointer_(openPointerSettings()),
      transport_(std::move(transport)) {
    if (transport_) driver_ = std::make_unique<CUSBDriver>(*transport_, clock_);
}

AppContext::~AppContext() {
    stopDevice();
}

void AppContext::startUploader(MessageSink& sink) {
    if (!driver_ || uploader_) return;
    uploader_ = std::make_unique<SettingsUploader>(
        *driver_, clock_, sink, intercepts_, pointer_.get(),
        UploadSources{profiles_.active(), profiles_.macroIdList(), macroLibrary_});
}

void AppContext::stopDevice() {
    if (driver_) driver_->Close();
    // The worker's destructor asks it to end and joins it.
    uploader_.reset();
}

}  // namespace z408
