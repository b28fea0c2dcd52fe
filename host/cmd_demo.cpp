#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "host/commands.h"
#include "host/return_file.h"
#include "host/samples.h"
#include "host/session.h"
#include "host/settings.h"

namespace dek::host {

// dek2018 demo: prints every sheet of every built-in sample to PDF files, one
// folder per sample (DIR/pit37/01-TF_w37181.pdf ...), through the sample's
// print dialog with every available page ticked and every prompt confirmed.
int cmd_demo(const Invocation& args, api::Module& module) {
    const std::filesystem::path out = args.value("out").value_or("wydruki");

    prepare_headless();
    CommandApplication app;
    // Files only: the print server is never asked.
    const std::unique_ptr<api::SystemPrinters> printers = module.system_printers(out, api::CupsUse::never);

    int errors = 0;
    for (const Sample& sample : samples()) {
        const std::string sample_name(sample.name);
        ReturnFile r = load_return_text(sample.json, "sample " + sample_name);
        const std::string class_name(dialog_class_name(r.form));
        // The demo keeps no settings: blank-sheet printing on, nothing written back.
        r.data.rekster = default_settings();
        printers->set_pdf_dir(out / sample_name);
        const std::unique_ptr<api::ScriptedPlatform> platform = module.scripted_platform(*printers, {}, nullptr);
        std::unique_ptr<api::Dialog> dialog = module.create_dialog(class_name, {r.data, *platform}, nullptr);
        if (!dialog) throw std::logic_error("dialog class " + class_name + " is not registered");
        dialog->run_headless({});
        dialog.reset();
        for (const std::string& event : platform->events()) {
            if (event.starts_with("ERROR ")) std::printf("%s: %s\n", sample_name.c_str(), event.c_str());
        }
        errors += platform->errors();
        std::printf("%s: %d sheet%s in %s\n", sample_name.c_str(), platform->sheets(),
                    platform->sheets() == 1 ? "" : "s", (out / sample_name).string().c_str());
    }
    return errors != 0 ? 1 : 0;
}

}  // namespace dek::host
