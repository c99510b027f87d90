-- Program register, footers, sign-offs and their per-program defaults.

INSERT INTO ADMMB (MB001, MB002, MB003, MB004, MB005, MB006, MB007, MB008) VALUES
    ('KTXR58', '产品结构明细表',   '產品結構明細表',   'Bill of Materials Listing',  'R', 'Y', 'N', 'BOM'),
    ('KTXR57', '单阶用料明细表',   '單階用料明細表',   'Single-level Where-used List', 'R', 'N', 'N', 'BOM'),
    ('KTXR59', '产品结构成本表',   '產品結構成本表',   'BOM Cost Roll-up Report',    'R', 'Y', 'Y', 'BOM'),
    ('KTXI02', '产品结构建立作业', '產品結構建立作業', 'Bill of Materials Entry',    'E', 'N', 'N', 'BOM'),
    ('INVR01', '品号信息表',       '品號信息表',       'Item Master Listing',        'R', 'N', 'N', 'INV'),
    ('CMSR05', '页脚签核信息表',   '頁腳簽核信息表',   'Footer and Sign-off Listing', 'R', 'N', 'N', 'CMS');

INSERT INTO CMSMS (MS001, MS002, MS003, MS004, MS005, MS006) VALUES
    ('1', 'F01',  '标准页脚',   '本报表仅供内部使用', '如有疑问请联系生管部', ''),
    ('1', 'F02',  '机密页脚',   '机密文件 未经许可不得外传', '科维办公家具(演示)有限公司', '版本: A'),
    ('1', 'F03',  'Footer (EN)', 'For internal use only', 'Production control department', ''),
    ('2', 'S01',  '生管签核',   '制表:', '审核:', '核准:'),
    ('2', 'S02',  '成本签核',   '成本会计:', '财务主管:', '总经理:'),
    ('2', 'S03',  'Sign-off (EN)', 'Prepared by:', 'Checked by:', 'Approved by:');

INSERT INTO CMSMT (MT001, MT002, MT003, MT004, MT005, MT006, MT007,
                   MT008, MT009, MT010, MT011, MT012, MT013) VALUES
    ('KTXR58', 'F01', 'Y', 'N', '本报表仅供内部使用', '如有疑问请联系生管部', '',
               'S01', 'Y', 'N', '制表:', '审核:', '核准:'),
    ('KTXR59', 'F02', 'N', 'Y', '机密文件 未经许可不得外传', '科维办公家具(演示)有限公司', '版本: A',
               'S02', 'N', 'Y', '成本会计:', '财务主管:', '总经理:');
