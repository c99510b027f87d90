-- Company database: tables read and written by the application server and
-- by the shell's services. Texts are UTF-8; dates are texts "YYYYMMDD",
-- moments are texts "YYYY-MM-DD hh:mm:ss.zzz". Column codes follow the ERP's
-- convention (table prefix letters + number); each column is described here.

-- Companies of this database, and their system information (name = value).
CREATE TABLE COMPANY (
    COMPANY_ID   TEXT PRIMARY KEY,          -- company identifier (shell parameter 1)
    COMPANY_NAME TEXT NOT NULL
);

CREATE TABLE SYSINFO (
    COMPANY_ID TEXT NOT NULL REFERENCES COMPANY(COMPANY_ID) ON DELETE CASCADE,
    INFO_KEY   TEXT NOT NULL,               -- "Sys001", "SYS026", ... (looked up case-insensitively)
    INFO_VALUE TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (COMPANY_ID, INFO_KEY)
);

-- Users.
CREATE TABLE KWTMA (
    MA001 TEXT PRIMARY KEY,                 -- user code
    MA002 TEXT NOT NULL,                    -- name
    MA003 TEXT NOT NULL DEFAULT '',         -- mobile number
    MA004 TEXT NOT NULL DEFAULT '',         -- e-mail address
    MA005 TEXT NOT NULL DEFAULT '',         -- department
    MA006 TEXT NOT NULL DEFAULT 'CHS',      -- language: CHS, CHT, ENG
    MA007 TEXT NOT NULL DEFAULT 'N'         -- "Y" = system administrator
);

-- Settings of the installation (name, description, value).
CREATE TABLE KWTINTMA (
    MA001 TEXT PRIMARY KEY,                 -- setting name, e.g. 'StartupPortal', 'Portal WS'
    MA002 TEXT NOT NULL DEFAULT '',         -- description
    MA003 TEXT NOT NULL DEFAULT ''          -- value
);

-- Program register.
CREATE TABLE ADMMB (
    MB001 TEXT PRIMARY KEY,                 -- program code, upper case
    MB002 TEXT NOT NULL,                    -- name, Simplified Chinese
    MB003 TEXT NOT NULL DEFAULT '',         -- name, Traditional Chinese
    MB004 TEXT NOT NULL DEFAULT '',         -- name, English
    MB005 TEXT NOT NULL DEFAULT 'R',        -- program kind: R report, B batch, E entry
    MB006 TEXT NOT NULL DEFAULT 'N',        -- "Y" = log every run of the program
    MB007 TEXT NOT NULL DEFAULT 'N',        -- "Y" = no direct query on the client
    MB008 TEXT NOT NULL DEFAULT ''          -- system (module) code
);

-- Message catalogue: a text per type letter and number, with format
-- placeholders (%s, %d) for the arguments.
CREATE TABLE MESSAGES (
    MSG_TYPE TEXT NOT NULL,                 -- C, D, W, E, I, Q, R
    MSG_ID   TEXT NOT NULL,                 -- six digits, e.g. '000013'
    TEXT_CHS TEXT NOT NULL,                 -- Chinese text
    TEXT_ENG TEXT NOT NULL,                 -- English text
    PRIMARY KEY (MSG_TYPE, MSG_ID)
);

-- Page footers ("1") and sign-off blocks ("2").
CREATE TABLE CMSMS (
    MS001 TEXT NOT NULL CHECK (MS001 IN ('1', '2')), -- kind: 1 footer, 2 sign-off
    MS002 TEXT NOT NULL,                    -- id, at most 6 characters
    MS003 TEXT NOT NULL DEFAULT '',         -- description
    MS004 TEXT NOT NULL DEFAULT '',         -- line 1
    MS005 TEXT NOT NULL DEFAULT '',         -- line 2
    MS006 TEXT NOT NULL DEFAULT '',         -- line 3
    PRIMARY KEY (MS001, MS002),
    CHECK (length(MS002) BETWEEN 1 AND 6)
);

-- Footer and sign-off defaults per program.
CREATE TABLE CMSMT (
    MT001 TEXT PRIMARY KEY REFERENCES ADMMB(MB001) ON DELETE CASCADE, -- program code
    MT002 TEXT NOT NULL DEFAULT '',         -- footer id
    MT003 TEXT NOT NULL DEFAULT 'Y',        -- "Y" = footer may be changed on the form
    MT004 TEXT NOT NULL DEFAULT 'N',        -- "Y" = footer on every page
    MT005 TEXT NOT NULL DEFAULT '',         -- footer line 1
    MT006 TEXT NOT NULL DEFAULT '',         -- footer line 2
    MT007 TEXT NOT NULL DEFAULT '',         -- footer line 3
    MT008 TEXT NOT NULL DEFAULT '',         -- sign-off id
    MT009 TEXT NOT NULL DEFAULT 'Y',        -- "Y" = sign-off may be changed on the form
    MT010 TEXT NOT NULL DEFAULT 'N',        -- "Y" = sign-off on every page
    MT011 TEXT NOT NULL DEFAULT '',         -- sign-off line 1
    MT012 TEXT NOT NULL DEFAULT '',         -- sign-off line 2
    MT013 TEXT NOT NULL DEFAULT ''          -- sign-off line 3
);

-- Address of the web report site.
CREATE TABLE WEBREPORTCONFIG (
    CONFIG_ID INTEGER PRIMARY KEY CHECK (CONFIG_ID = 1),
    SITE_URL  TEXT NOT NULL                 -- scheme, host and path prefix
);

-- Items.
CREATE TABLE INVMB (
    MB001 TEXT PRIMARY KEY,                 -- item number
    MB002 TEXT NOT NULL,                    -- name
    MB003 TEXT NOT NULL DEFAULT '',         -- size and model text (the item's 规格)
    MB004 TEXT NOT NULL DEFAULT 'PCS',      -- stock unit
    MB005 TEXT NOT NULL DEFAULT '',         -- category 1 (caption SYS007)
    MB006 TEXT NOT NULL DEFAULT '',         -- category 2 (caption SYS008)
    MB007 TEXT NOT NULL DEFAULT '',         -- category 3 (caption SYS009)
    MB008 TEXT NOT NULL DEFAULT '',         -- category 4 (caption SYS010)
    MB025 TEXT NOT NULL DEFAULT 'P' CHECK (MB025 IN ('P', 'M', 'S')), -- P purchased, M made, S subcontracted
    MB026 REAL NOT NULL DEFAULT 0,          -- standard cost per unit
    MB027 TEXT NOT NULL DEFAULT ''          -- entry date
);

-- Bills of materials: one header per parent item ...
CREATE TABLE BOMMC (
    MC001 TEXT PRIMARY KEY REFERENCES INVMB(MB001), -- parent item
    MC002 REAL NOT NULL DEFAULT 1,          -- standard batch quantity
    MC003 TEXT NOT NULL,                    -- entry date
    MC004 TEXT NOT NULL DEFAULT '',         -- last change date
    MC005 TEXT NOT NULL DEFAULT ''          -- entered by (user code)
);

-- ... and its component lines.
CREATE TABLE BOMMD (
    MD001 TEXT NOT NULL REFERENCES BOMMC(MC001) ON DELETE CASCADE, -- parent item
    MD002 TEXT NOT NULL,                    -- line number '0010', '0020', ...
    MD003 TEXT NOT NULL REFERENCES INVMB(MB001), -- component item
    MD004 REAL NOT NULL,                    -- quantity per batch
    MD005 REAL NOT NULL DEFAULT 0,          -- scrap rate
    MD006 TEXT NOT NULL DEFAULT '',         -- effective from (empty = always)
    MD007 TEXT NOT NULL DEFAULT '',         -- effective until (empty = open)
    MD008 TEXT NOT NULL DEFAULT 'Y',        -- "Y" = counts towards the standard cost
    MD009 TEXT NOT NULL DEFAULT '',         -- remark
    PRIMARY KEY (MD001, MD002),
    CHECK (MD001 <> MD003)
);
CREATE INDEX BOMMD_COMPONENT ON BOMMD(MD003);

-- User rights per program ('*' = every program), in the shape the condition
-- forms read: RIGHTS is six comma-separated fields (group, may print Y/N,
-- may export Y/N, eight permission letters, department, company limit),
-- character 7 and 8 of the permission letters are the two lookup flags.
CREATE TABLE USERRIGHTS (
    USERID    TEXT NOT NULL REFERENCES KWTMA(MA001) ON DELETE CASCADE,
    PROGRAMME TEXT NOT NULL,
    RIGHTS    TEXT NOT NULL,
    RIGHTS2   TEXT NOT NULL DEFAULT '',     -- second rights text (role list)
    WEBUSER   TEXT NOT NULL DEFAULT '',     -- user of the web report site
    LIMITBASE TEXT NOT NULL DEFAULT '',     -- base of the lookup limit text
    PRIMARY KEY (USERID, PROGRAMME)
);

CREATE TABLE USERLIMITS (
    USERID    TEXT NOT NULL,
    PROGRAMME TEXT NOT NULL,
    SEQ       INTEGER NOT NULL,
    LIMITTEXT TEXT NOT NULL,                -- one limit, e.g. a warehouse or category code
    PRIMARY KEY (USERID, PROGRAMME, SEQ),
    FOREIGN KEY (USERID, PROGRAMME) REFERENCES USERRIGHTS(USERID, PROGRAMME) ON DELETE CASCADE
);

-- Condition schemes of the report programs.
CREATE TABLE CONSAVE (
    NCONDITION  TEXT NOT NULL,              -- scheme name (at most 20 bytes in the data code page)
    CREATOR     TEXT NOT NULL,              -- user code
    CREATE_DATE TEXT NOT NULL,              -- "YYYYMMDD"
    PROGRAMME   TEXT NOT NULL,              -- program code
    SCONDITION  TEXT NOT NULL DEFAULT '',   -- property list
    VCONDITION  TEXT NOT NULL DEFAULT '',   -- value text
    PRIMARY KEY (NCONDITION, CREATOR, PROGRAMME)
);

-- Submitted jobs. PARAMS holds the whole job parameter array in the lossless
-- binary variant encoding shared with the RPC transport.
CREATE TABLE JOBS (
    JOBNO     TEXT PRIMARY KEY,             -- "YYYYMMDD" + six-digit sequence of the day
    SUBMITTED TEXT NOT NULL,                -- server time of submission
    COMPANY   TEXT NOT NULL DEFAULT '',
    USERID    TEXT NOT NULL DEFAULT '',
    PROGRAMME TEXT NOT NULL DEFAULT '',
    PROGKIND  TEXT NOT NULL DEFAULT '',     -- upper case: one-off; lower case: periodic
    RUNMODE   INTEGER NOT NULL DEFAULT 0,   -- 0 queued, 1 at once, 2 at a given time
    STARTTIME REAL,                         -- start moment as sent (days since 1899-12-30)
    ORIGIN    TEXT NOT NULL CHECK (ORIGIN IN ('Q', 'L')), -- Q queued by Request, L local run (Request1)
    COMPUTER  TEXT NOT NULL DEFAULT '',     -- computer of a local run
    STATUS    TEXT NOT NULL DEFAULT 'W',    -- W waiting, R running, D done
    PARAMS    BLOB NOT NULL
);
CREATE INDEX JOBS_USER ON JOBS(USERID, PROGRAMME);

CREATE TABLE JOBSTATUS (
    JOBNO    TEXT NOT NULL REFERENCES JOBS(JOBNO) ON DELETE CASCADE,
    SEQ      INTEGER NOT NULL,
    STAMP    REAL NOT NULL,                 -- the client's moment of the update
    RECEIVED TEXT NOT NULL,                 -- server time of the update
    MESSAGES TEXT NOT NULL DEFAULT '',
    PRIMARY KEY (JOBNO, SEQ)
);
