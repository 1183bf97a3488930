#include "app/import_app.h"

#include "app/import_run.h"
#include "app/product_source_readers.h"

int ImportApp::InitInstance() {
    ImportContext context{backend_, platform_};
    ProductSourceReaders sources(context);
    ImportRun(context, sources);
    return 0;
}
