#include "app/LazyModules.h"

#include "app/UpdateSignature.h"
#include "platform/linux/OnDemandModule.h"
#include "ui/PdfModule.h"
#include "ui/PreviewContent.h"

#include <memory>

namespace zarvo::app {

void installLazyModules(std::function<QStringList(const QString& fileName)> candidates) {
    const auto pdf =
        std::make_shared<linux_::OnDemandModule>(candidates(QString::fromLatin1(ui::kPdfModuleName)));
    ui::PreviewLoading::setPdfRenderer([pdf](const QString& path, int side, double dpi) {
        QImage page;
        if (const auto draw = reinterpret_cast<ui::PdfFirstPageFunction>(pdf->entry(ui::kPdfFirstPageSymbol)))
            draw(path, side, dpi, ui::PreviewLoading::renderMilliseconds, page);
        return page;
    });
    const auto signature = std::make_shared<linux_::OnDemandModule>(
        candidates(QString::fromLatin1(UpdateSignature::kModuleName)));
    UpdateSignature::setVerifier([signature] {
        return reinterpret_cast<UpdateSignature::VerifyFunction>(
            signature->entry(UpdateSignature::kVerifySymbol));
    });
}

} // namespace zarvo::app
