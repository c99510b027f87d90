-- Three users and their rights.

INSERT INTO KWTMA (MA001, MA002, MA003, MA004, MA005, MA006, MA007) VALUES
    ('DS',       '系统管理员', '',            'admin@demo.example',    'IT', 'CHS', 'Y'),
    ('ZHANGWEI', '张伟',       '13800138001', 'zhangwei@demo.example', 'PMC', 'CHS', 'N'),
    ('LIMEI',    '李梅',       '13900139002', 'limei@demo.example',    'ACC', 'ENG', 'N');

-- RIGHTS: group, may print, may export, permission letters
-- (query, add, change, delete, approve, print, lookup A, lookup B),
-- department, company limit.
INSERT INTO USERRIGHTS (USERID, PROGRAMME, RIGHTS, RIGHTS2, WEBUSER, LIMITBASE) VALUES
    ('DS',       '*',      'ADMIN,Y,Y,YYYYYYYY,IT,',  'ADMIN',  'ds',       ''),
    ('ZHANGWEI', '*',      'PMC,Y,N,YNNNNYYN,PMC,',   'PMC',    'zhangwei', 'PMC'),
    ('ZHANGWEI', 'KTXR58', 'PMC,Y,Y,YYYNNYYY,PMC,',   'PMC',    'zhangwei', 'PMC'),
    ('LIMEI',    '*',      'ACC,Y,Y,YNNNNYNN,ACC,',   'ACC',    'limei',    'ACC');

INSERT INTO USERLIMITS (USERID, PROGRAMME, SEQ, LIMITTEXT) VALUES
    ('ZHANGWEI', 'KTXR58', 1, 'FG'),
    ('ZHANGWEI', 'KTXR58', 2, 'SA'),
    ('LIMEI',    '*',      1, 'FG');
