// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "app/app_context.h"

#include "common/directories.h"
#include "update/program_settings.h"

namespace z408 {

AppContext::AppContext(std::filesystem::path programDirectory, std::filesystem::path dataDirectory,
                       Clock& clock, std::unique_ptr<HidTransport> transport)
    : programDirectory_(std::move(programDirectory)),
      dataDirectory_(std::move(dataDirectory)),
      clock_(clock),
      language_(programDirectory_, dataDirectory_),
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

std::filesystem::path AppContext::programSettingsFile() const {
    if (programDirectory_ == z408::programDirectory()) return z408::programSettingsFile();
    return programDirectory_ / kProgramSettingsFile;
}

std::filesystem::path AppContext::helperDirectory() const {
    if (programDirectory_ == z408::programDirectory()) return z408::helperDirectory();
    return programDirectory_;
}

}  // namespace z408
