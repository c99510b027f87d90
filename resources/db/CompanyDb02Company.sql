-- The demo company, its system information and the installation settings.

INSERT INTO COMPANY (COMPANY_ID, COMPANY_NAME) VALUES
    ('DEMO', '科维办公家具(演示)有限公司');

-- Date style 1 (year, month, day) with "/"; Gregorian years only offered
-- when SYS026 is "2"; SYS181 "N" would hide the web report.
INSERT INTO SYSINFO (COMPANY_ID, INFO_KEY, INFO_VALUE) VALUES
    ('DEMO', 'Sys001', '1'),
    ('DEMO', 'Sys002', '/'),
    ('DEMO', 'KWT002', '科维办公家具(演示)有限公司'),
    ('DEMO', 'SYS007', '产品线'),
    ('DEMO', 'SYS008', '材质'),
    ('DEMO', 'SYS009', '供应来源'),
    ('DEMO', 'SYS010', '包装方式'),
    ('DEMO', 'SYS026', '1'),
    ('DEMO', 'SYS181', 'Y');

INSERT INTO KWTINTMA (MA001, MA002, MA003) VALUES
    ('StartupPortal', '启用门户用户', 'N'),
    ('Portal WS', '门户 Web Service 地址', ''),
    ('MailServer', '邮件服务器', 'mail.demo.example'),
    ('JobKeepDays', '作业记录保留天数', '90');

INSERT INTO WEBREPORTCONFIG (CONFIG_ID, SITE_URL) VALUES
    (1, 'http://127.0.0.1:8080/KwReport');
