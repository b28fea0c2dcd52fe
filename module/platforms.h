// The module's printers and platforms behind the public ones: each public
// object the module makes holds the platform layer's own, which the dialogs
// and jobs work with.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "dek2018/platform.h"
#include "jobs/print_dialog.h"
#include "module/dialog_printers.h"
#include "platform/document_printer.h"
#include "platform/platform.h"
#include "platform/printers.h"

namespace dek::library {

// What every public printer object made by the module is besides.
class ModulePrinters {
public:
    virtual ~ModulePrinters() = default;
    virtual platform::Printers& printers() = 0;
    // The document, when these printers are one.
    virtual platform::DocumentPrinter* document() { return nullptr; }
    // The printer dialog's printers, when these are they.
    virtual DialogPrinters* dialog() { return nullptr; }
};

// What every public platform object made by the module is besides.
class ModulePlatform {
public:
    virtual ~ModulePlatform() = default;
    virtual platform::Platform& platform() = 0;
    virtual ModulePrinters& printers() = 0;
};

// What a dialog created for a host is handed: the records, the platform
// layer's platform, the page classes, and the hooks of its printers: a
// document and the printer dialog's printers name each sheet, and the
// latter write the document of a job when it ends.
jobs::DialogContext dialog_context(HostData& data, ModulePlatform& platform);

// The module's side of public objects; throws std::invalid_argument for an
// object the module did not make.
ModulePrinters& module_printers(api::Printers& printers);
ModulePlatform& module_platform(api::Platform& platform);

std::unique_ptr<api::SystemPrinters> make_system_printers(std::filesystem::path pdf_dir, api::CupsUse cups);
std::unique_ptr<api::DocumentPrinter> make_document_printer(api::DocumentOptions options);
// Throws std::invalid_argument when `system` are not the module's system printers.
std::unique_ptr<api::DialogPrinters> make_dialog_printers(api::SystemPrinters& system, std::string title,
                                                          std::filesystem::path proposed);
std::unique_ptr<api::FolderLock> make_folder_lock(const std::filesystem::path& dir);

std::unique_ptr<api::Platform> make_qt_platform(api::Printers& printers);
std::unique_ptr<api::Platform> make_host_platform(api::UserInterface& user, api::Printers& printers);
std::unique_ptr<api::ScriptedPlatform> make_scripted_platform(api::Printers& printers, api::Script script,
                                                              std::ostream* transcript);

}  // namespace dek::library
