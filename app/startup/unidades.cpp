#include "app/startup/unidades.h"

#include "app/data/dm.h"
#include "app/data/dmart.h"
#include "app/data/dmbnc.h"
#include "app/data/dmcar.h"
#include "app/data/dmcja.h"
#include "app/data/dmcmp.h"
#include "app/data/dmcnt.h"
#include "app/data/dmcxp.h"
#include "app/data/dmfact.h"
#include "app/data/dminv.h"
#include "app/data/dmter.h"
#include "core/object.h"
#include "core/unitinit.h"
#include "framework/data/clientdataset.h"
#include "framework/data/datasource.h"
#include "framework/data/provider.h"
#include "framework/data/sql/sqlconnection.h"
#include "framework/data/sql/sqlquery.h"
#include "framework/data/sql/sqlstoredproc.h"
#include "framework/data/sql/sqltable.h"
#include "gridservices/exchange/gridclipboard.h"
#include "gridservices/find/finddialog.h"
#include "i18n/gnugettext.h"
#include "serial/comunit.h"
#include "skin/skinmanager.h"
#include "skin/skinunit.h"

namespace tv::app {

void registre_unidades() {
    RegisterUnit("skins", urSkinning, &InitializeSkinUnit, &FinalizeSkinUnit);
    RegisterUnit("translation", urTranslation, &InitializeTranslation, &FinalizeTranslation);
    RegisterUnit("serial_port", urSerialPort, &InitializeComPortUnit, &FinalizeComPortUnit);
    // Named here so the grid services are linked in: they give the grids' clipboard keys their work.
    RegisterUnit("grid_exchange", urGrid + 10, &RegisterGridClipboardFormats, nullptr);
    // Named here so that the program links the grid's find dialog.
    RegisterUnit("grid_find", urGrid + 30, &InitializeGridFindUnit, &FinalizeGridFindUnit);
    RegisterClasses({TSQLConnection::StaticClass(), TSQLQuery::StaticClass(), TSQLStoredProc::StaticClass(),
                     TSQLTable::StaticClass(), TDataSetProvider::StaticClass(), TClientDataSet::StaticClass(),
                     TDataSource::StaticClass(), TsSkinManager::StaticClass()});
    RegisterClasses({Tfdm::StaticClass(), TfdmArt::StaticClass(), Tfdmbnc::StaticClass(), Tfdmcar::StaticClass(),
                     Tfdmcja::StaticClass(), Tfdmcmp::StaticClass(), Tfdmcnt::StaticClass(), Tfdmcxp::StaticClass(),
                     Tfdmfact::StaticClass(), TfdmInv::StaticClass(), Tfdmter::StaticClass()});
}

} // namespace tv::app
